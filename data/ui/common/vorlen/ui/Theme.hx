package vorlen.ui;

// The look shared by the player's interface movies: one palette, one type scale.
class Theme {
    // Backgrounds, from the page behind everything to raised surfaces.
    public static inline var PAGE_TOP = 0x202A38;
    public static inline var PAGE_BOTTOM = 0x121820;
    public static inline var BAND = 0x1A2230;
    public static inline var PANEL = 0x243043;
    public static inline var PANEL_HOVER = 0x2E3D56;
    public static inline var PANEL_PRESSED = 0x1C2533;
    public static inline var LINE = 0x33435A;
    public static inline var HAIRLINE = 0x2A364A;

    // The one accent colour (buttons' icons, focus, progress) and its lighter hover tone.
    public static inline var ACCENT = 0xF28C28;
    public static inline var ACCENT_LIGHT = 0xFFB161;
    public static inline var ACCENT_DARK = 0xC9661A;

    // Text.
    public static inline var TEXT = 0xE9EEF5;
    public static inline var TEXT_SOFT = 0xA3B1C4;
    public static inline var TEXT_FAINT = 0x6F7F96;
    public static inline var LINK = 0x8EC3FF;
    public static inline var LINK_HOVER = 0xD2E7FF;

    // Errors.
    public static inline var ERROR_FILL = 0x4A1F27;
    public static inline var ERROR_LINE = 0xD9534F;
    public static inline var ERROR_ICON = 0xFF7A7A;
    public static inline var ERROR_TEXT = 0xFFE4E4;

    // Type sizes in pixels.
    public static inline var SIZE_BRAND = 28;
    public static inline var SIZE_HEADING = 17;
    public static inline var SIZE_BUTTON = 14;
    public static inline var SIZE_BODY = 13;
    public static inline var SIZE_SMALL = 11;

    // The built-in sans face, used when the document names no font.
    public static inline var FALLBACK_FONT = "_sans";

    // The document's FONT, once read.
    public static var font(default, null):String = FALLBACK_FONT;

    public static function useFont(name:String):Void {
        font = name == null || StringTools.trim(name) == "" ? FALLBACK_FONT : StringTools.trim(name);
    }

    // Mixes two colours: t = 0 gives a, t = 1 gives b.
    public static function mix(a:Int, b:Int, t:Float):Int {
        if (t <= 0)
            return a;
        if (t >= 1)
            return b;
        var r = Math.round(((a >> 16) & 0xFF) + (((b >> 16) & 0xFF) - ((a >> 16) & 0xFF)) * t);
        var g = Math.round(((a >> 8) & 0xFF) + (((b >> 8) & 0xFF) - ((a >> 8) & 0xFF)) * t);
        var bl = Math.round((a & 0xFF) + ((b & 0xFF) - (a & 0xFF)) * t);
        return (r << 16) | (g << 8) | bl;
    }
}

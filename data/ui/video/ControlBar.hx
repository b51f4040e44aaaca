import flash.display.GradientType;
import flash.display.Shape;
import flash.display.Sprite;
import flash.events.MouseEvent;
import flash.geom.Matrix;
import vorlen.ui.Icons;
import vorlen.ui.Label;
import vorlen.ui.Theme;

// The strip over the bottom of the picture: play/pause, the seek bar and the time.
class ControlBar extends Sprite {
    public static inline var HEIGHT = 40;

    public var button(default, null):Sprite;
    public var seek(default, null):SeekBar;
    public var onToggle:Void->Void;

    var shade:Shape;
    var glyph:Shape;
    var time:Label;
    var mode = "play";
    var hovered = false;
    var barWidth = 0.0;

    public function new() {
        super();
        shade = new Shape();
        addChild(shade);
        button = new Sprite();
        button.buttonMode = true;
        button.mouseChildren = false;
        glyph = new Shape();
        button.addChild(glyph);
        button.x = 8;
        button.y = 4;
        button.addEventListener(MouseEvent.ROLL_OVER, function(_) {
            hovered = true;
            paintButton();
        });
        button.addEventListener(MouseEvent.ROLL_OUT, function(_) {
            hovered = false;
            paintButton();
        });
        button.addEventListener(MouseEvent.CLICK, function(_) if (onToggle != null) onToggle());
        addChild(button);
        seek = new SeekBar(100);
        seek.x = 50;
        seek.y = HEIGHT / 2;
        addChild(seek);
        time = new Label("0:00", Theme.SIZE_SMALL, Theme.TEXT);
        time.y = (HEIGHT - time.textHeight()) / 2 - 2;
        addChild(time);
        paintButton();
    }

    public function resize(width:Float):Void {
        barWidth = width;
        var m = new Matrix();
        m.createGradientBox(width, HEIGHT, Math.PI / 2, 0, 0);
        shade.graphics.clear();
        shade.graphics.beginGradientFill(GradientType.LINEAR, [0x000000, 0x000000], [0.25, 0.75], [0, 255], m);
        shade.graphics.drawRect(0, 0, width, HEIGHT);
        shade.graphics.endFill();
        placeTime();
    }

    function placeTime():Void {
        var timeWidth = Math.max(time.textWidth(), 64);
        time.x = barWidth - 12 - timeWidth;
        seek.resize(time.x - 14 - seek.x);
    }

    // "play", "pause" or "replay": what a click on the button does.
    public function showButton(value:String):Void {
        if (mode == value)
            return;
        mode = value;
        paintButton();
    }

    public function showTime(text:String):Void {
        var widthBefore = time.textWidth();
        time.text = text;
        if (Math.abs(time.textWidth() - widthBefore) > 6)
            placeTime();
    }

    public function timeText():String {
        return time.text;
    }

    function paintButton():Void {
        var g = glyph.graphics;
        g.clear();
        g.beginFill(hovered ? 0xFFFFFF : 0x000000, hovered ? 0.16 : 0.001);
        g.drawRoundRect(0, 0, 32, 32, 10, 10);
        g.endFill();
        var colour = hovered ? Theme.ACCENT_LIGHT : 0xFFFFFF;
        switch (mode) {
            case "pause":
                Icons.pause(g, 6, 6, 20, colour);
            case "replay":
                Icons.replay(g, 5, 5, 22, colour);
            default:
                Icons.play(g, 6, 6, 20, colour);
        }
    }
}

package vorlen.ui;

import flash.display.Shape;
import flash.display.Sprite;

// The program's mark and its name.
class Brand extends Sprite {
    public static inline var NAME = "Vorlen";
    // The support links shown when the document gives none.
    public static inline var SUPPORT_LINKS = "<A href=\"mailto:support@vorlen.org\">Support: support@vorlen.org</A><BR>"
        + "<A href=\"http://www.vorlen.org\">Web Site: www.vorlen.org</A>";

    public function new(markSize:Float, textSize:Int) {
        super();
        var mark = new Shape();
        Icons.logo(mark.graphics, 0, 0, markSize, Theme.ACCENT);
        addChild(mark);
        if (textSize > 0) {
            var name = new Label(NAME, textSize, Theme.TEXT, true);
            name.x = markSize + 12;
            name.y = Math.round((markSize - name.textHeight()) / 2) - 3;
            addChild(name);
        }
    }
}

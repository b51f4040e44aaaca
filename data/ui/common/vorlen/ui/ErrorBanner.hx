package vorlen.ui;

import flash.display.Shape;
import flash.display.Sprite;

// An error told prominently: a red panel with a warning sign and the text, wrapped to at
// most maxLines lines.
class ErrorBanner extends Sprite {
    public var bannerHeight(default, null):Float = 0;

    var label:Label;

    public function new(text:String, width:Float, maxLines = 3) {
        super();
        var iconSize = 22.0;
        label = new Label(text, Theme.SIZE_BODY, Theme.ERROR_TEXT, false, Label.CUT_END, width - iconSize - 44);
        var lineHeight = Theme.SIZE_BODY + 5;
        var lines = Math.min(maxLines, Math.max(1, Math.round(label.textHeight() / lineHeight)));
        if (label.textHeight() > maxLines * lineHeight + 2) {
            // Too long: the last line ends in an ellipsis.
            var full = text;
            var keep = full.length;
            while (keep > 0 && label.textHeight() > maxLines * lineHeight + 2) {
                keep -= Std.int(Math.max(1, keep / 12));
                label.text = StringTools.rtrim(full.substr(0, keep)) + "\u2026";
            }
        }
        bannerHeight = Math.max(44, Math.min(label.textHeight(), lines * lineHeight) + 22);
        var back = new Shape();
        Shapes.panel(back.graphics, 0, 0, width, bannerHeight, 12, Theme.ERROR_FILL, 1, Theme.ERROR_LINE);
        back.graphics.beginFill(Theme.ERROR_LINE);
        back.graphics.drawRoundRect(0, 0, 5, bannerHeight, 5, 5);
        back.graphics.endFill();
        Icons.warning(back.graphics, 16, (bannerHeight - iconSize) / 2, iconSize, Theme.ERROR_ICON);
        addChild(back);
        label.x = 16 + iconSize + 12;
        label.y = Math.round((bannerHeight - label.textHeight()) / 2) - 2;
        addChild(label);
    }

    public function text():String {
        return label.fullText;
    }
}

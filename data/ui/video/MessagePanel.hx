import flash.display.Shape;
import flash.display.Sprite;
import vorlen.ui.Icons.IconPainter;
import vorlen.ui.Label;
import vorlen.ui.Shapes;
import vorlen.ui.Theme;

// A message in place of the picture: an icon, a title and a line of explanation on a panel.
class MessagePanel extends Sprite {
    public var title(default, null):String;
    public var detail(default, null):String;

    public function new(icon:IconPainter, iconColour:Int, title:String, detail:String, maxWidth:Float) {
        super();
        this.title = title;
        this.detail = detail;
        var width = Math.min(360, Math.max(160, maxWidth - 24));
        var heading = new Label(title, Theme.SIZE_HEADING - 2, Theme.TEXT, true, Label.CUT_END, width - 32, true);
        var body = new Label(detail, Theme.SIZE_SMALL + 1, Theme.TEXT_SOFT, false, Label.CUT_END, width - 32, true);
        var iconSize = 36.0;
        heading.x = body.x = 16;
        heading.y = 18 + iconSize + 10;
        body.y = heading.y + heading.textHeight() + 8;
        var height = body.y + body.textHeight() + 22;
        var back = new Shape();
        Shapes.panel(back.graphics, 0, 0, width, height, 16, Theme.PANEL, 0.92, Theme.LINE);
        icon(back.graphics, (width - iconSize) / 2, 18, iconSize, iconColour);
        addChild(back);
        addChild(heading);
        addChild(body);
    }
}

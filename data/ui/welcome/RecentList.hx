import flash.display.Shape;
import flash.display.Sprite;
import flash.events.MouseEvent;
import vorlen.ui.Address;
import vorlen.ui.Icons;
import vorlen.ui.Label;
import vorlen.ui.Motion;
import vorlen.ui.Shapes;
import vorlen.ui.Theme;

typedef RecentMovie = {caption:String, file:String};

// The recent movies as a panel of rows: the movie's name over its (shortened) path, with a
// film for movies and videos and a program window for projectors. A row lights up under the
// mouse; a click asks the player to play that file ("MEOWLOAD").
class RecentList extends Sprite {
    public var rows(default, null):Array<Sprite> = [];

    public function new(title:String, movies:Array<RecentMovie>, width:Float, height:Float, rowHeight:Float) {
        super();
        var back = new Shape();
        Shapes.panel(back.graphics, 0, 0, width, height, 14, Theme.PANEL, 0.55, Theme.LINE);
        Icons.clock(back.graphics, 14, 12, 16, Theme.TEXT_SOFT);
        addChild(back);
        var heading = new Label(title, Theme.SIZE_BODY, Theme.TEXT_SOFT, true);
        heading.maxWidth = width - 60;
        heading.x = 38;
        heading.y = 9;
        addChild(heading);
        var top = 38.0;
        if (movies.length == 0) {
            // Nothing played yet: a quiet picture where the list would be.
            var empty = new Shape();
            var size = Math.min(64, height - top - 24);
            Icons.film(empty.graphics, (width - size) / 2, top + (height - top - size) / 2 - 6, size, Theme.HAIRLINE);
            addChild(empty);
            return;
        }
        for (i in 0...movies.length) {
            var row = makeRow(movies[i], width - 12, rowHeight);
            row.x = 6;
            row.y = top + i * rowHeight;
            if (row.y + rowHeight > height - 4)
                break;
            rows.push(row);
            addChild(row);
        }
    }

    function makeRow(movie:RecentMovie, width:Float, height:Float):Sprite {
        var row = new Sprite();
        var highlight = new Shape();
        highlight.graphics.beginFill(Theme.PANEL_HOVER);
        highlight.graphics.drawRoundRect(0, 0, width, height - 2, 10, 10);
        highlight.graphics.endFill();
        highlight.graphics.beginFill(Theme.ACCENT);
        highlight.graphics.drawRoundRect(0, 6, 3, height - 14, 3, 3);
        highlight.graphics.endFill();
        highlight.alpha = 0;
        row.addChild(highlight);
        // The whole row catches the mouse.
        row.graphics.beginFill(0, 0.001);
        row.graphics.drawRect(0, 0, width, height - 2);
        row.graphics.endFill();
        var icon = new Shape();
        var iconSize = Math.min(22, height - 10);
        var projector = StringTools.endsWith(movie.file.toLowerCase(), ".exe");
        (projector ? Icons.projector : Icons.film)(icon.graphics, 10, (height - 2 - iconSize) / 2, iconSize, Theme.ACCENT);
        row.addChild(icon);
        var textLeft = 10 + iconSize + 10;
        var name = new Label(Address.fileName(movie.file), Theme.SIZE_BODY, Theme.TEXT);
        name.maxWidth = width - textLeft - 10;
        name.x = textLeft;
        row.addChild(name);
        var twoLines = height >= 36;
        if (twoLines) {
            var path = new Label(movie.caption, Theme.SIZE_SMALL, Theme.TEXT_FAINT, false, Label.CUT_MIDDLE);
            path.maxWidth = width - textLeft - 10;
            path.x = textLeft;
            name.y = Math.round((height - 2) / 2 - name.textHeight()) + 1;
            path.y = Math.round((height - 2) / 2);
            row.addChild(path);
        } else {
            name.y = Math.round((height - 2 - name.textHeight()) / 2) - 2;
        }
        row.buttonMode = true;
        row.useHandCursor = true;
        row.mouseChildren = false;
        var fade:vorlen.ui.Motion.Transition = null;
        function light(target:Float) {
            Motion.cancel(fade);
            var from = highlight.alpha;
            fade = Motion.run(120, function(t) highlight.alpha = from + (target - from) * t);
        }
        row.addEventListener(MouseEvent.ROLL_OVER, function(_) light(1));
        row.addEventListener(MouseEvent.ROLL_OUT, function(_) light(0));
        row.addEventListener(MouseEvent.CLICK, function(_) vorlen.ui.UiMovie.send("MEOWLOAD", movie.file));
        return row;
    }
}

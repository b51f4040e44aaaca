import flash.display.Shape;
import flash.display.Sprite;
import flash.events.KeyboardEvent;
import flash.events.MouseEvent;
import flash.ui.Keyboard;
import BrowseItem;
import vorlen.ui.Button;
import vorlen.ui.Document;
import vorlen.ui.ErrorBanner;
import vorlen.ui.Icons;
import vorlen.ui.Label;
import vorlen.ui.Theme;
import vorlen.ui.UiMovie;

// browse.swf: the media browser. Reads the BROWSE document (the folder, its movies, videos,
// projectors and sub-folders with their thumbnails) and shows them as a grid that fills the
// window. It tells the player which item is under the mouse ("SHOTOVER"), which one was
// clicked ("SHOTCLICK", items numbered from 1), where the view is scrolled to
// ("BROWSESCROLL", pixels), and goes to the parent folder ("MEOWSEARCH" with the folder +
// "..") or lets the user pick another ("MEOWBROWSE"). The player's wheel notice (variable
// mwheel, then label MWH of vbCall) scrolls it; its thumbnail notice (variable shot, then
// label SHOT of vbCall) loads a thumbnail the player has just taken.
class BrowseMovie extends UiMovie {
    static inline var WIDTH = 640;
    static inline var HEIGHT = 480;
    static inline var MIN_WIDTH = 400;
    static inline var MIN_HEIGHT = 300;
    static inline var HEADER = 72;
    static inline var FOOTER = 30;
    static inline var MARGIN = 20;

    var bands:Shape;
    var content:Sprite;
    var grid:ThumbnailGrid;
    var titleLabel:Label;
    var folderLabel:Label;
    var foundLabel:Label;
    var upButton:Button;
    var exploreButton:Button;
    var banner:ErrorBanner;
    var errorText = "";
    var empty:Shape;
    var waitLabel:Label;
    var waitText = "Loading";
    var spinner:Shape;
    var spinning = false;
    var viewWidth:Float = WIDTH;
    var viewHeight:Float = HEIGHT;
    // The player's wheel notices take over from the engine's own wheel events once seen.
    var wheelNotices = false;
    var wheelTimer:haxe.Timer;

    static function main() {
        new BrowseMovie().start();
    }

    function new() {
        super(WIDTH, HEIGHT, true);
        bands = new Shape();
        addChild(bands);
        content = new Sprite();
        addChild(content);
        waitLabel = new Label(waitText, Theme.SIZE_SMALL, Theme.TEXT_SOFT);
        addChild(waitLabel);
        spinner = new Shape();
        addChild(spinner);
        showWaiting(true);
        flash.Lib.current.addEventListener(MouseEvent.MOUSE_WHEEL, engineWheel);
    }

    override function onDocument(document:Document):Void {
        var doc = document != null ? document : Document.parse("<BROWSE/>");
        var folder = doc.text("FOLDER");
        var cache = doc.text("CACHE");
        if (cache != "" && !StringTools.endsWith(cache, "/") && !StringTools.endsWith(cache, "\\"))
            cache += cache.indexOf("/") >= 0 ? "/" : "\\";
        var items = BrowseItems.read(doc);
        var title = doc.text("BROWSE", "Browse Media");
        var found = doc.text("FOUND", "Media Files Found: " + Lambda.count(items, function(i) return i.type != BrowseItems.FOLDER));
        var explore = doc.text("EXPLORE", "Explore This Folder");
        errorText = StringTools.trim(doc.text("ERROR"));
        waitText = doc.text("WAIT", "Loading");
        var scroll = Std.parseFloat(doc.text("SCROLL", "0"));

        var exploreWidth = Math.min(220, Math.max(120, new Label(explore, 13, 0).textWidth() + 62));
        exploreButton = new Button(explore, Icons.explore, exploreWidth, 36, 18, 13);
        exploreButton.onClick = function() UiMovie.send("MEOWBROWSE", folder);
        content.addChild(exploreButton);
        area("explore", exploreButton);
        upButton = new Button("", Icons.up, 36, 36, 20);
        upButton.enabled = hasParent(folder);
        upButton.onClick = function() UiMovie.send("MEOWSEARCH", parentOf(folder));
        content.addChild(upButton);
        area("up", upButton);
        titleLabel = new Label(title, Theme.SIZE_HEADING, Theme.TEXT, true);
        titleLabel.x = MARGIN + 32;
        titleLabel.y = 11;
        content.addChild(titleLabel);
        folderLabel = new Label(folder, Theme.SIZE_SMALL, Theme.TEXT_FAINT, false, Label.CUT_MIDDLE);
        folderLabel.x = MARGIN + 33;
        folderLabel.y = 40;
        content.addChild(folderLabel);
        foundLabel = new Label(found, Theme.SIZE_SMALL, Theme.TEXT_SOFT);
        foundLabel.x = MARGIN;
        content.addChild(foundLabel);

        grid = new ThumbnailGrid(items, cache);
        grid.onHover = function(number) UiMovie.send("SHOTOVER", Std.string(number));
        grid.onClick = function(number) UiMovie.send("SHOTCLICK", Std.string(number));
        grid.onScrolled = function(at) UiMovie.send("BROWSESCROLL", Std.string(at));
        grid.onLoading = showWaiting;
        grid.onCellMade = function(cell) area("item" + cell.index, cell);
        grid.startAt(scroll);
        content.addChildAt(grid, 0);
        if (items.length == 0) {
            empty = new Shape();
            Icons.browse(empty.graphics, 0, 0, 80, Theme.HAIRLINE);
            content.addChild(empty);
        }
        layout();
        // Back where the player last left this listing.
        grid.scrollTo(Math.isNaN(scroll) ? 0 : scroll, false, false);
        grid.loadNearby();
        if (!Lambda.exists(grid.cells, function(c) return c.thumbnail == "loading"))
            showWaiting(false);

        texts.title = title;
        texts.folder = folder;
        texts.found = found;
        texts.explore = explore;
        texts.wait = waitText;
        texts.error = errorText;
        reveal(content);
        if (stage != null)
            stage.addEventListener(KeyboardEvent.KEY_DOWN, key);
    }

    override function resized(width:Float, height:Float):Void {
        viewWidth = Math.max(MIN_WIDTH, width);
        viewHeight = Math.max(MIN_HEIGHT, height);
        layout();
    }

    // Places everything for the current window size: header and footer bands across it, the
    // folder buttons at its right, the grid in between.
    function layout():Void {
        var g = bands.graphics;
        g.clear();
        g.beginFill(Theme.BAND);
        g.drawRect(0, 0, viewWidth, HEADER);
        g.drawRect(0, viewHeight - FOOTER, viewWidth, FOOTER);
        g.endFill();
        g.beginFill(Theme.HAIRLINE);
        g.drawRect(0, HEADER, viewWidth, 1);
        g.drawRect(0, viewHeight - FOOTER - 1, viewWidth, 1);
        g.endFill();
        Icons.browse(g, MARGIN - 2, 15, 24, Theme.ACCENT);
        waitLabel.y = viewHeight - FOOTER + 7;
        showWaiting(waitLabel.visible);
        if (grid == null)
            return;
        exploreButton.x = viewWidth - MARGIN - exploreButton.buttonWidth;
        exploreButton.y = 18;
        upButton.x = exploreButton.x - 8 - 36;
        upButton.y = 18;
        titleLabel.maxWidth = upButton.x - titleLabel.x - 12;
        folderLabel.maxWidth = upButton.x - folderLabel.x - 12;
        foundLabel.y = viewHeight - FOOTER + 7;
        var top = HEADER + 1.0;
        if (errorText != "") {
            // The banner is made again for the new width.
            if (banner != null)
                content.removeChild(banner);
            banner = new ErrorBanner(errorText, viewWidth - 2 * MARGIN, 2);
            banner.x = MARGIN;
            banner.y = top + 12;
            content.addChild(banner);
            area("error", banner);
            top = banner.y + banner.bannerHeight;
        }
        grid.y = top;
        grid.resize(viewWidth, viewHeight - FOOTER - 1 - top);
        if (empty != null) {
            empty.x = Math.round((viewWidth - 80) / 2);
            empty.y = Math.round(top + (grid.viewHeight - 80) / 2 - 10);
        }
    }

    override function describe():Dynamic {
        var description = super.describe();
        if (grid != null) {
            description.scroll = grid.position;
            description.maxScroll = grid.maxScroll();
            // The cells made so far (those in view and near it), in item order.
            var shown = [for (cell in grid.cells) cell.index - 1];
            shown.sort(function(a, b) return a - b);
            description.itemCount = grid.items.length;
            description.items = [
                for (i in shown)
                    {number: i + 1, title: grid.items[i].title, type: grid.items[i].type, thumbnail: grid.thumbnailOf(i),
                        inView: grid.isItemInView(i)}
            ];
        }
        description.waiting = waitLabel.visible;
        return description;
    }

    // The parent of a folder is asked for as the folder followed by "..", in the folder's
    // own separator.
    static function parentOf(folder:String):String {
        var separator = folder.indexOf("/") >= 0 || folder.indexOf("\\") < 0 ? "/" : "\\";
        var base = StringTools.endsWith(folder, "/") || StringTools.endsWith(folder, "\\") ? folder : folder + separator;
        return base + ".." + separator;
    }

    // The root of the file system and the list of drives have no parent.
    static function hasParent(folder:String):Bool {
        var trimmed = StringTools.trim(folder);
        return trimmed != "" && trimmed != "/" && trimmed != "\\" && trimmed != ":\\";
    }

    function showWaiting(waiting:Bool):Void {
        waitLabel.text = waitText;
        waitLabel.x = viewWidth - MARGIN - waitLabel.textWidth() - 4;
        waitLabel.visible = waiting;
        spinner.visible = waiting;
        spinner.x = waitLabel.x - 14;
        spinner.y = viewHeight - FOOTER / 2;
        if (waiting && !spinning) {
            spinning = true;
            spin(0);
        }
    }

    // A turning arc beside the waiting text (standing still with animations off).
    function spin(turn:Float):Void {
        drawSpinner(turn);
        if (waitLabel.visible && vorlen.ui.Motion.enabled)
            haxe.Timer.delay(function() spin(turn + 0.35), 50);
        else
            spinning = false;
    }

    function drawSpinner(turn:Float):Void {
        var g = spinner.graphics;
        g.clear();
        for (i in 0...13) {
            var a = turn + i * Math.PI * 1.4 / 12;
            if (i == 0)
                vorlen.ui.Shapes.pen(g, 6 * Math.cos(a), 6 * Math.sin(a), 2, Theme.ACCENT);
            else
                g.lineTo(6 * Math.cos(a), 6 * Math.sin(a));
        }
        g.lineStyle();
    }

    // The player's notices on the clip vbCall: MWH, the wheel (mwheel holds 1 forward, -1
    // backward or 0); SHOT, the thumbnail of item number shot has been taken.
    override function onLabel(target:String, label:String):Void {
        if (target.toLowerCase() != "vbcall")
            return;
        if (label.toUpperCase() == "SHOT") {
            var number = Std.parseInt(variables.get("shot"));
            if (grid != null && number != null)
                grid.thumbnailArrived(number);
            return;
        }
        if (label.toUpperCase() != "MWH")
            return;
        wheelNotices = true;
        cancelEngineWheel();
        var notch = Std.parseInt(variables.get("mwheel"));
        if (grid != null && notch != null)
            grid.wheel(notch > 0 ? 1 : (notch < 0 ? -1 : 0));
    }

    // The engine's own wheel event: used only while the player sends no notices, and held back
    // a moment so that a notice for the same turn of the wheel wins.
    function engineWheel(e:MouseEvent):Void {
        if (wheelNotices || grid == null || e.delta == 0)
            return;
        var notch = e.delta > 0 ? 1 : -1;
        cancelEngineWheel();
        wheelTimer = haxe.Timer.delay(function() {
            wheelTimer = null;
            if (!wheelNotices)
                grid.wheel(notch);
        }, 80);
    }

    function cancelEngineWheel():Void {
        if (wheelTimer != null)
            wheelTimer.stop();
        wheelTimer = null;
    }

    function key(e:KeyboardEvent):Void {
        if (grid == null)
            return;
        var page = grid.viewHeight - GridCell.HEIGHT / 2;
        switch (e.keyCode) {
            case Keyboard.UP:
                grid.wheel(1);
            case Keyboard.DOWN:
                grid.wheel(-1);
            case Keyboard.PAGE_UP:
                grid.scrollTo(grid.position - page, true, true);
            case Keyboard.PAGE_DOWN:
                grid.scrollTo(grid.position + page, true, true);
            case Keyboard.HOME:
                grid.scrollTo(0, true, true);
            case Keyboard.END:
                grid.scrollTo(grid.maxScroll(), true, true);
            default:
        }
    }
}

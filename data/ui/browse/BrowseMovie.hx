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
// projectors and sub-folders with their thumbnails) and shows them as a grid. It tells the
// player which item is under the mouse ("SHOTOVER"), which one was clicked ("SHOTCLICK",
// items numbered from 1), where the view is scrolled to ("BROWSESCROLL", pixels), and goes
// to the parent folder ("MEOWSEARCH" with the folder + "..") or lets the user pick another
// ("MEOWBROWSE"). The player's wheel notice (variable mwheel, then label MWH of vbCall)
// scrolls it.
class BrowseMovie extends UiMovie {
    static inline var WIDTH = 640;
    static inline var HEIGHT = 480;
    static inline var HEADER = 72;
    static inline var FOOTER = 30;
    static inline var MARGIN = 20;

    var grid:ThumbnailGrid;
    var waitLabel:Label;
    var waitText = "Loading";
    var spinner:Shape;
    var content:Sprite;
    // The player's wheel notices take over from the engine's own wheel events once seen.
    var wheelNotices = false;
    var pendingWheel = 0;
    var wheelTimer:haxe.Timer;

    static function main() {
        new BrowseMovie().start();
    }

    function new() {
        super(WIDTH, HEIGHT);
        var page = new Sprite();
        paintPage(page, WIDTH, HEIGHT);
        var bands = page.graphics;
        bands.beginFill(Theme.BAND);
        bands.drawRect(0, 0, WIDTH, HEADER);
        bands.drawRect(0, HEIGHT - FOOTER, WIDTH, FOOTER);
        bands.endFill();
        bands.beginFill(Theme.HAIRLINE);
        bands.drawRect(0, HEADER, WIDTH, 1);
        bands.drawRect(0, HEIGHT - FOOTER - 1, WIDTH, 1);
        bands.endFill();
        Icons.browse(bands, MARGIN - 2, 15, 24, Theme.ACCENT);
        addChild(page);
        content = new Sprite();
        addChild(content);
        waitLabel = new Label(waitText, Theme.SIZE_SMALL, Theme.TEXT_SOFT);
        waitLabel.y = HEIGHT - FOOTER + 7;
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
        var error = StringTools.trim(doc.text("ERROR"));
        waitText = doc.text("WAIT", "Loading");
        var scroll = Std.parseFloat(doc.text("SCROLL", "0"));

        // Header: title and folder on the left, the folder buttons on the right.
        var exploreWidth = Math.min(220, Math.max(120, new Label(explore, 13, 0).textWidth() + 62));
        var exploreButton = new Button(explore, Icons.explore, exploreWidth, 36, 18, 13);
        exploreButton.x = WIDTH - MARGIN - exploreWidth;
        exploreButton.y = 18;
        exploreButton.onClick = function() UiMovie.send("MEOWBROWSE", folder);
        content.addChild(exploreButton);
        area("explore", exploreButton);
        var upButton = new Button("", Icons.up, 36, 36, 20);
        upButton.x = exploreButton.x - 8 - 36;
        upButton.y = 18;
        upButton.enabled = hasParent(folder);
        upButton.onClick = function() UiMovie.send("MEOWSEARCH", parentOf(folder));
        content.addChild(upButton);
        area("up", upButton);
        var titleLabel = new Label(title, Theme.SIZE_HEADING, Theme.TEXT, true);
        titleLabel.maxWidth = upButton.x - 62;
        titleLabel.x = MARGIN + 32;
        titleLabel.y = 11;
        content.addChild(titleLabel);
        var folderLabel = new Label(folder, Theme.SIZE_SMALL, Theme.TEXT_FAINT, false, Label.CUT_MIDDLE);
        folderLabel.maxWidth = upButton.x - 62;
        folderLabel.x = MARGIN + 33;
        folderLabel.y = 40;
        content.addChild(folderLabel);
        var foundLabel = new Label(found, Theme.SIZE_SMALL, Theme.TEXT_SOFT);
        foundLabel.x = MARGIN;
        foundLabel.y = HEIGHT - FOOTER + 7;
        content.addChild(foundLabel);

        var top = HEADER + 1.0;
        if (error != "") {
            var banner = new ErrorBanner(error, WIDTH - 2 * MARGIN, 2);
            banner.x = MARGIN;
            banner.y = top + 12;
            content.addChild(banner);
            top = banner.y + banner.bannerHeight;
            texts.error = banner.text();
            area("error", banner);
        } else {
            texts.error = "";
        }
        grid = new ThumbnailGrid(items, cache, WIDTH, HEIGHT - FOOTER - 1 - top);
        grid.y = top;
        grid.onHover = function(number) UiMovie.send("SHOTOVER", Std.string(number));
        grid.onClick = function(number) UiMovie.send("SHOTCLICK", Std.string(number));
        grid.onScrolled = function(at) UiMovie.send("BROWSESCROLL", Std.string(at));
        grid.onLoading = showWaiting;
        content.addChildAt(grid, 0);
        for (cell in grid.cells)
            area("item" + cell.index, cell);
        if (items.length == 0) {
            var empty = new Shape();
            Icons.browse(empty.graphics, (WIDTH - 80) / 2, top + (grid.viewHeight - 80) / 2 - 10, 80, Theme.HAIRLINE);
            content.addChild(empty);
        }
        // Back where the player last left this listing.
        grid.scrollTo(Math.isNaN(scroll) ? 0 : scroll, false, false);
        grid.loadNearby();
        if (grid.cells.length == 0 || !Lambda.exists(grid.cells, function(c) return c.thumbnail == "loading"))
            showWaiting(false);

        texts.title = title;
        texts.folder = folder;
        texts.found = found;
        texts.explore = explore;
        texts.wait = waitText;
        reveal(content);
        if (stage != null)
            stage.addEventListener(KeyboardEvent.KEY_DOWN, key);
    }

    override function describe():Dynamic {
        var description = super.describe();
        if (grid != null) {
            description.scroll = grid.position;
            description.maxScroll = grid.maxScroll();
            description.items = [
                for (cell in grid.cells)
                    {title: cell.item.title, type: cell.item.type, thumbnail: cell.thumbnail, inView: grid.isInView(cell)}
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
        waitLabel.x = WIDTH - MARGIN - waitLabel.textWidth() - 4;
        waitLabel.visible = waiting;
        spinner.visible = waiting;
        spinner.x = waitLabel.x - 14;
        spinner.y = HEIGHT - FOOTER / 2;
        if (waiting)
            spin(0);
    }

    // A turning arc beside "Loading" (still with animations off).
    function spin(turn:Float):Void {
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
        if (waitLabel.visible && vorlen.ui.Motion.enabled)
            haxe.Timer.delay(function() spin(turn + 0.35), 50);
    }

    // The player's wheel notice: mwheel holds 1 (forward), -1 (backward) or 0.
    override function onLabel(target:String, label:String):Void {
        if (target.toLowerCase() != "vbcall" || label.toUpperCase() != "MWH")
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
        pendingWheel = e.delta > 0 ? 1 : -1;
        cancelEngineWheel();
        var notch = pendingWheel;
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

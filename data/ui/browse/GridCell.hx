import flash.display.Bitmap;
import flash.display.Loader;
import flash.display.Shape;
import flash.display.Sprite;
import flash.events.Event;
import flash.events.IOErrorEvent;
import flash.events.MouseEvent;
import flash.net.URLRequest;
import BrowseItem.BrowseItems;
import vorlen.ui.Address;
import vorlen.ui.Icons;
import vorlen.ui.Label;
import vorlen.ui.Motion;
import vorlen.ui.Motion.Transition;
import vorlen.ui.Theme;

// One cell of the grid: the item's thumbnail (or a folder), a badge with its kind and its
// name. It lights up under the mouse.
class GridCell extends Sprite {
    public static inline var WIDTH = 140;
    public static inline var HEIGHT = 132;
    public static inline var THUMB_WIDTH = 120;
    public static inline var THUMB_HEIGHT = 90;

    public var item(default, null):BrowseItem;
    public var index(default, null):Int;
    // "none" (folders), "waiting", "loading", "loaded" or "missing".
    public var thumbnail(default, null):String;

    // The thumbnail arrived while an earlier attempt was loading: a miss is tried again.
    var arrivedWhileLoading = false;
    var face:Shape;
    var picture:Sprite;
    var hover = 0.0;
    var fade:Transition;

    public function new(item:BrowseItem, index:Int) {
        super();
        this.item = item;
        this.index = index;
        face = new Shape();
        addChild(face);
        picture = new Sprite();
        picture.x = (WIDTH - THUMB_WIDTH) / 2;
        picture.y = 10;
        addChild(picture);
        var art = new Shape();
        var g = art.graphics;
        g.beginFill(0x0E131A);
        g.drawRoundRect(0, 0, THUMB_WIDTH, THUMB_HEIGHT, 8, 8);
        g.endFill();
        if (item.type == BrowseItems.FOLDER) {
            Icons.folder(g, (THUMB_WIDTH - 64) / 2, (THUMB_HEIGHT - 64) / 2, 64, Theme.ACCENT);
            thumbnail = "none";
        } else {
            placeholder(g, Theme.HAIRLINE);
            thumbnail = item.jpeg == "" ? "missing" : "waiting";
        }
        picture.addChild(art);
        var title = new Label(item.title, Theme.SIZE_SMALL + 1, Theme.TEXT, false, Label.CUT_MIDDLE);
        title.maxWidth = WIDTH - 12;
        title.x = Math.round((WIDTH - title.textWidth()) / 2) - 2;
        title.y = 10 + THUMB_HEIGHT + 7;
        addChild(title);
        if (item.type != BrowseItems.FOLDER)
            addChild(badge());
        buttonMode = true;
        useHandCursor = true;
        mouseChildren = false;
        addEventListener(MouseEvent.ROLL_OVER, function(_) light(1));
        addEventListener(MouseEvent.ROLL_OUT, function(_) light(0));
        paint();
    }

    function placeholder(g:flash.display.Graphics, colour:Int):Void {
        var size = 48.0;
        var painter = item.type == BrowseItems.PROJECTOR ? Icons.projector : Icons.film;
        painter(g, (THUMB_WIDTH - size) / 2, (THUMB_HEIGHT - size) / 2, size, colour);
    }

    // The kind of the item in the thumbnail's corner: the file's extension, "EXE" for projectors.
    function badge():Sprite {
        var kind = item.type == BrowseItems.PROJECTOR ? "EXE" : extension(item.title);
        var pill = new Sprite();
        if (kind == "")
            return pill;
        var text = new Label(kind, 9, 0x1A1207, true);
        var width = text.textWidth() + 10;
        pill.graphics.beginFill(item.type == BrowseItems.PROJECTOR ? Theme.TEXT_SOFT : Theme.ACCENT);
        pill.graphics.drawRoundRect(0, 0, width, 15, 8, 8);
        pill.graphics.endFill();
        text.x = 3;
        text.y = -1;
        pill.addChild(text);
        pill.x = (WIDTH + THUMB_WIDTH) / 2 - width - 5;
        pill.y = 10 + THUMB_HEIGHT - 15 - 5;
        return pill;
    }

    static function extension(name:String):String {
        var dot = name.lastIndexOf(".");
        return dot < 0 || name.length - dot > 5 ? "" : name.substr(dot + 1).toUpperCase();
    }

    // Starts loading the thumbnail from folder (the document's CACHE); done follows when it
    // has arrived or failed.
    public function loadThumbnail(folder:String, done:Void->Void):Bool {
        if (thumbnail != "waiting")
            return false;
        thumbnail = "loading";
        var loader = new Loader();
        var finished = false;
        function finish(state:String) {
            if (finished)
                return;
            finished = true;
            if (state == "missing" && arrivedWhileLoading)
                state = "waiting";
            arrivedWhileLoading = false;
            thumbnail = state;
            done();
        }
        loader.contentLoaderInfo.addEventListener(Event.COMPLETE, function(_) {
            var width = loader.contentLoaderInfo.width;
            var height = loader.contentLoaderInfo.height;
            if (width <= 0 || height <= 0) {
                finish("missing");
                return;
            }
            var content = loader.content;
            if (Std.isOfType(content, Bitmap))
                cast(content, Bitmap).smoothing = true;
            // Fitted into the thumbnail's box, centred, never enlarged more than twice.
            var scale = Math.min(2, Math.min(THUMB_WIDTH / width, THUMB_HEIGHT / height));
            loader.scaleX = loader.scaleY = scale;
            loader.x = Math.round((THUMB_WIDTH - width * scale) / 2);
            loader.y = Math.round((THUMB_HEIGHT - height * scale) / 2);
            picture.addChild(loader);
            finish("loaded");
            var target = loader;
            Motion.run(180, function(t) target.alpha = t);
        });
        loader.contentLoaderInfo.addEventListener(IOErrorEvent.IO_ERROR, function(_) finish("missing"));
        try {
            loader.load(new URLRequest(Address.of(folder + item.jpeg)));
        } catch (e:Dynamic) {
            finish("missing");
        }
        return true;
    }

    // The player has made the thumbnail that was missing: it is loaded again.
    public function thumbnailArrived():Void {
        if (thumbnail == "missing")
            thumbnail = "waiting";
        else if (thumbnail == "loading")
            arrivedWhileLoading = true;
    }

    function light(target:Float):Void {
        Motion.cancel(fade);
        var from = hover;
        fade = Motion.run(120, function(t) {
            hover = from + (target - from) * t;
            paint();
        });
    }

    function paint():Void {
        var g = face.graphics;
        g.clear();
        // The border is a filled ring: strokes of two pixels leave marks at their joins.
        var border = hover > 0 ? 2 : 1;
        g.beginFill(Theme.mix(Theme.HAIRLINE, Theme.ACCENT, hover));
        g.drawRoundRect(0, 0, WIDTH, HEIGHT, 14, 14);
        g.endFill();
        g.beginFill(Theme.mix(Theme.PANEL, Theme.PANEL_HOVER, hover));
        g.drawRoundRect(border, border, WIDTH - 2 * border, HEIGHT - 2 * border, 14 - border, 14 - border);
        g.endFill();
    }
}

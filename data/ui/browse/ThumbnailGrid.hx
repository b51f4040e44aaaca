import flash.display.Shape;
import flash.display.Sprite;
import flash.events.MouseEvent;
import BrowseItem;
import vorlen.ui.Motion;
import vorlen.ui.Motion.Transition;

// The items as a grid of cells in a scrolling view. Thumbnails are loaded as their cells
// come near the view, a few at a time. The scroll position is in pixels from the top.
class ThumbnailGrid extends Sprite {
    public static inline var GAP = 12;
    public static inline var PADDING = 14;
    static inline var PARALLEL_LOADS = 4;

    public var cells(default, null):Array<GridCell> = [];
    public var position(default, null):Float = 0;
    // Item number under the mouse (0: none), an item clicked, the scroll position after a
    // gesture, and whether thumbnails are still on their way.
    public var onHover:Int->Void;
    public var onClick:Int->Void;
    public var onScrolled:Int->Void;
    public var onLoading:Bool->Void;

    public var viewWidth(default, null) = 0.0;
    public var viewHeight(default, null) = 0.0;
    var inner:Sprite;
    var clip:Shape;
    var bar:ScrollBar;
    var columns = 1;
    var cacheFolder:String;
    var loading = 0;
    var glide:Transition;
    var target = 0.0;

    public function new(items:Array<BrowseItem>, cacheFolder:String) {
        super();
        this.cacheFolder = cacheFolder;
        inner = new Sprite();
        addChild(inner);
        clip = new Shape();
        addChild(clip);
        inner.mask = clip;
        for (i in 0...items.length) {
            var cell = new GridCell(items[i], i + 1);
            var number = i + 1;
            cell.addEventListener(MouseEvent.ROLL_OVER, function(_) if (onHover != null) onHover(number));
            cell.addEventListener(MouseEvent.ROLL_OUT, function(_) if (onHover != null) onHover(0));
            cell.addEventListener(MouseEvent.CLICK, function(_) if (onClick != null) onClick(number));
            inner.addChild(cell);
            cells.push(cell);
        }
        bar = new ScrollBar();
        bar.onScroll = function(at, finished) scrollTo(at, false, finished);
        addChild(bar);
    }

    // Lays the cells out for a view of that size: as many columns as fit, centred.
    public function resize(width:Float, height:Float):Void {
        viewWidth = width;
        viewHeight = height;
        clip.graphics.clear();
        clip.graphics.beginFill(0);
        clip.graphics.drawRect(0, 0, width, height);
        clip.graphics.endFill();
        // The empty parts of the view catch the mouse too.
        graphics.clear();
        graphics.beginFill(0, 0.001);
        graphics.drawRect(0, 0, width, height);
        graphics.endFill();
        var usable = width - ScrollBar.WIDTH - 2 * PADDING;
        columns = Std.int(Math.max(1, Math.floor((usable + GAP) / (GridCell.WIDTH + GAP))));
        var gridWidth = columns * GridCell.WIDTH + (columns - 1) * GAP;
        var left = Math.round((width - ScrollBar.WIDTH - gridWidth) / 2);
        for (i in 0...cells.length) {
            cells[i].x = left + (i % columns) * (GridCell.WIDTH + GAP);
            cells[i].y = PADDING + Math.floor(i / columns) * (GridCell.HEIGHT + GAP);
        }
        bar.x = width - ScrollBar.WIDTH - 4;
        bar.y = 6;
        place(Math.max(0, Math.min(maxScroll(), position)));
        target = position;
    }

    public function contentHeight():Float {
        var rows = Math.ceil(cells.length / columns);
        return rows == 0 ? 0 : 2 * PADDING + rows * GridCell.HEIGHT + (rows - 1) * GAP;
    }

    public function maxScroll():Float {
        return Math.max(0, contentHeight() - viewHeight);
    }

    // Scrolls by wheel notches (positive: towards the top), half a row each.
    public function wheel(notches:Int):Void {
        if (notches == 0)
            return;
        scrollTo(target - notches * (GridCell.HEIGHT + GAP) / 2, true, true);
    }

    // Moves the view to position (clamped); report: tell the player where it is now.
    public function scrollTo(at:Float, animate:Bool, report:Bool):Void {
        var goal = Math.round(Math.max(0, Math.min(maxScroll(), at)));
        Motion.cancel(glide);
        var from = position;
        target = goal;
        if (animate && goal != from) {
            glide = Motion.run(160, function(t) place(from + (goal - from) * t));
        } else {
            place(goal);
        }
        if (report && onScrolled != null)
            onScrolled(Std.int(goal));
    }

    function place(at:Float):Void {
        position = at;
        inner.y = -Math.round(at);
        bar.update(viewHeight - 12, maxScroll(), viewHeight, at);
        loadNearby();
    }

    // Starts loading the thumbnails of the cells in view or within one view of it.
    public function loadNearby():Void {
        var top = position - viewHeight;
        var bottom = position + 2 * viewHeight;
        for (cell in cells) {
            if (loading >= PARALLEL_LOADS)
                break;
            if (cell.y + GridCell.HEIGHT < top || cell.y > bottom)
                continue;
            if (cell.loadThumbnail(cacheFolder, thumbnailDone)) {
                loading++;
                if (onLoading != null)
                    onLoading(true);
            }
        }
    }

    function thumbnailDone():Void {
        loading--;
        loadNearby();
        if (loading == 0 && onLoading != null)
            onLoading(false);
    }

    // The player has taken the thumbnail of item number: it is loaded when it comes near the view.
    public function thumbnailArrived(number:Int):Void {
        if (number < 1 || number > cells.length)
            return;
        cells[number - 1].thumbnailArrived();
        loadNearby();
    }

    // Whether the whole cell is in sight.
    public function isInView(cell:GridCell):Bool {
        var y = cell.y - position;
        return y >= 0 && y + GridCell.HEIGHT <= viewHeight;
    }
}

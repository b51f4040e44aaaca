import flash.display.Shape;
import flash.display.Sprite;
import flash.events.MouseEvent;
import BrowseItem;
import vorlen.ui.Motion;
import vorlen.ui.Motion.Transition;

// The items as a grid of cells in a scrolling view. A cell is made when it first comes near
// the view, so that a folder of thousands of items shows at once; thumbnails are loaded as
// their cells come near, a few at a time. The scroll position is in pixels from the top.
class ThumbnailGrid extends Sprite {
    public static inline var GAP = 12;
    public static inline var PADDING = 14;
    static inline var PARALLEL_LOADS = 4;

    // The cells made so far, in the order they were made.
    public var cells(default, null):Array<GridCell> = [];
    public var items(default, null):Array<BrowseItem>;
    public var position(default, null):Float = 0;
    // Item number under the mouse (0: none), an item clicked, the scroll position after a
    // gesture, whether thumbnails are still on their way, and a cell that was just made.
    public var onHover:Int->Void;
    public var onClick:Int->Void;
    public var onScrolled:Int->Void;
    public var onLoading:Bool->Void;
    public var onCellMade:GridCell->Void;

    public var viewWidth(default, null) = 0.0;
    public var viewHeight(default, null) = 0.0;
    var inner:Sprite;
    var clip:Shape;
    var bar:ScrollBar;
    var columns = 1;
    var left = 0.0;
    var cacheFolder:String;
    var loading = 0;
    var glide:Transition;
    var target = 0.0;
    // The cell of each item, null until it is made.
    var made:Array<GridCell>;

    public function new(items:Array<BrowseItem>, cacheFolder:String) {
        super();
        this.items = items;
        this.cacheFolder = cacheFolder;
        made = [for (i in 0...items.length) null];
        inner = new Sprite();
        addChild(inner);
        clip = new Shape();
        addChild(clip);
        inner.mask = clip;
        bar = new ScrollBar();
        bar.onScroll = function(at, finished) scrollTo(at, false, finished);
        addChild(bar);
    }

    // Where the view starts before the first layout (clamped then), so that no cells are made
    // for a place the view never shows.
    public function startAt(at:Float):Void {
        position = Math.isNaN(at) ? 0 : Math.max(0, at);
        target = position;
    }

    // The cell of item i (0-based), made when it is not there yet.
    public function cellOf(i:Int):GridCell {
        if (made[i] != null)
            return made[i];
        var cell = new GridCell(items[i], i + 1);
        var number = i + 1;
        cell.addEventListener(MouseEvent.ROLL_OVER, function(_) if (onHover != null) onHover(number));
        cell.addEventListener(MouseEvent.ROLL_OUT, function(_) if (onHover != null) onHover(0));
        cell.addEventListener(MouseEvent.CLICK, function(_) if (onClick != null) onClick(number));
        cell.x = cellX(i);
        cell.y = cellY(i);
        inner.addChild(cell);
        made[i] = cell;
        cells.push(cell);
        if (onCellMade != null)
            onCellMade(cell);
        return cell;
    }

    function cellX(i:Int):Float {
        return left + (i % columns) * (GridCell.WIDTH + GAP);
    }

    function cellY(i:Int):Float {
        return PADDING + Math.floor(i / columns) * (GridCell.HEIGHT + GAP);
    }

    // The thumbnail state of item i: its cell's, or what it will start with.
    public function thumbnailOf(i:Int):String {
        if (made[i] != null)
            return made[i].thumbnail;
        return items[i].type == BrowseItems.FOLDER ? "none" : (items[i].jpeg == "" ? "missing" : "waiting");
    }

    // Whether the whole of item i's cell is in sight.
    public function isItemInView(i:Int):Bool {
        var y = cellY(i) - position;
        return y >= 0 && y + GridCell.HEIGHT <= viewHeight;
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
        left = Math.round((width - ScrollBar.WIDTH - gridWidth) / 2);
        for (i in 0...made.length) {
            if (made[i] != null) {
                made[i].x = cellX(i);
                made[i].y = cellY(i);
            }
        }
        bar.x = width - ScrollBar.WIDTH - 4;
        bar.y = 6;
        place(Math.max(0, Math.min(maxScroll(), position)));
        target = position;
    }

    public function contentHeight():Float {
        var rows = Math.ceil(items.length / columns);
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
        makeNearby();
        loadNearby();
    }

    // The items whose cells lie in view or within one view of it.
    function nearbyRange():{first:Int, last:Int} {
        var rowHeight = GridCell.HEIGHT + GAP;
        var firstRow = Std.int(Math.max(0, Math.floor((position - viewHeight - PADDING) / rowHeight)));
        var lastRow = Std.int(Math.floor((position + 2 * viewHeight - PADDING) / rowHeight));
        return {first: firstRow * columns, last: Std.int(Math.min(items.length - 1, (lastRow + 1) * columns - 1))};
    }

    // Makes the cells in view and within one view of it.
    function makeNearby():Void {
        if (viewHeight <= 0)
            return;
        var range = nearbyRange();
        for (i in range.first...range.last + 1)
            cellOf(i);
    }

    // Starts loading the thumbnails of the cells in view or within one view of it.
    public function loadNearby():Void {
        if (viewHeight <= 0)
            return;
        var range = nearbyRange();
        for (i in range.first...range.last + 1) {
            if (loading >= PARALLEL_LOADS)
                break;
            if (cellOf(i).loadThumbnail(cacheFolder, thumbnailDone)) {
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
        if (number < 1 || number > items.length)
            return;
        // A cell not made yet loads its thumbnail when it is made.
        if (made[number - 1] != null)
            made[number - 1].thumbnailArrived();
        loadNearby();
    }
}

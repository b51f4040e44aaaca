import flash.display.Shape;
import flash.display.Sprite;
import flash.events.MouseEvent;
import vorlen.ui.Theme;

// A slim vertical scroll bar: the thumb can be dragged (it takes the accent colour under
// the mouse), a click on the track moves by a page. onScroll gets the new position and
// whether the gesture has ended.
class ScrollBar extends Sprite {
    public static inline var WIDTH = 8;

    public var onScroll:Float->Bool->Void;

    var track:Shape;
    var thumb:Sprite;
    var trackHeight = 0.0;
    var range = 0.0;
    var page = 0.0;
    var position = 0.0;
    var dragOffset = -1.0;
    var hovered = false;

    public function new() {
        super();
        track = new Shape();
        addChild(track);
        thumb = new Sprite();
        thumb.buttonMode = true;
        addChild(thumb);
        thumb.addEventListener(MouseEvent.ROLL_OVER, function(_) {
            hovered = true;
            paint();
        });
        thumb.addEventListener(MouseEvent.ROLL_OUT, function(_) {
            hovered = false;
            paint();
        });
        thumb.addEventListener(MouseEvent.MOUSE_DOWN, beginDrag);
        addEventListener(MouseEvent.MOUSE_DOWN, function(e:MouseEvent) {
            if (e.target == thumb || range <= 0)
                return;
            var direction = mouseY < thumb.y ? -1 : 1;
            if (onScroll != null)
                onScroll(position + direction * page, true);
        });
    }

    // The bar's height, the range of positions (0 when everything fits), one page and the
    // current position.
    public function update(height:Float, range:Float, page:Float, position:Float):Void {
        if (height != trackHeight) {
            trackHeight = height;
            // A wider strip than the bar catches the mouse.
            graphics.clear();
            graphics.beginFill(0, 0.001);
            graphics.drawRect(-4, 0, WIDTH + 8, height);
            graphics.endFill();
            track.graphics.clear();
            track.graphics.beginFill(Theme.HAIRLINE);
            track.graphics.drawRoundRect(0, 0, WIDTH, height, WIDTH, WIDTH);
            track.graphics.endFill();
        }
        this.range = Math.max(0, range);
        this.page = page;
        this.position = position;
        visible = this.range > 0;
        paint();
    }

    function thumbHeight():Float {
        return Math.min(trackHeight, Math.max(32, trackHeight * page / (page + range)));
    }

    function paint():Void {
        var height = thumbHeight();
        thumb.y = range <= 0 ? 0 : (trackHeight - height) * position / range;
        var g = thumb.graphics;
        g.clear();
        g.beginFill(hovered || dragOffset >= 0 ? Theme.ACCENT : Theme.TEXT_FAINT);
        g.drawRoundRect(0, 0, WIDTH, height, WIDTH, WIDTH);
        g.endFill();
    }

    function beginDrag(e:MouseEvent):Void {
        dragOffset = mouseY - thumb.y;
        stage.addEventListener(MouseEvent.MOUSE_MOVE, drag);
        stage.addEventListener(MouseEvent.MOUSE_UP, endDrag);
        paint();
    }

    function positionAtMouse():Float {
        var free = trackHeight - thumbHeight();
        return free <= 0 ? 0 : Math.max(0, Math.min(range, (mouseY - dragOffset) / free * range));
    }

    function drag(_):Void {
        if (onScroll != null)
            onScroll(positionAtMouse(), false);
    }

    function endDrag(_):Void {
        stage.removeEventListener(MouseEvent.MOUSE_MOVE, drag);
        stage.removeEventListener(MouseEvent.MOUSE_UP, endDrag);
        var at = positionAtMouse();
        dragOffset = -1;
        if (onScroll != null)
            onScroll(at, true);
        paint();
    }
}

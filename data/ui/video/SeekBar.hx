import flash.display.Shape;
import flash.display.Sprite;
import flash.events.MouseEvent;
import vorlen.ui.Theme;

// The position in the video as a bar: played part in the accent colour, a knob that grows
// under the mouse. Pressing and dragging seeks; onSeek gets the fraction (0 to 1) and
// whether the drag has ended.
class SeekBar extends Sprite {
    public var onSeek:Float->Bool->Void;
    public var dragging(default, null) = false;

    var barWidth:Float;
    var fraction = 0.0;
    var hovered = false;
    var track:Shape;

    public function new(width:Float) {
        super();
        track = new Shape();
        addChild(track);
        buttonMode = true;
        resize(width);
        addEventListener(MouseEvent.ROLL_OVER, function(_) {
            hovered = true;
            paint();
        });
        addEventListener(MouseEvent.ROLL_OUT, function(_) {
            hovered = false;
            paint();
        });
        addEventListener(MouseEvent.MOUSE_DOWN, function(_) {
            dragging = true;
            stage.addEventListener(MouseEvent.MOUSE_MOVE, drag);
            stage.addEventListener(MouseEvent.MOUSE_UP, release);
            drag(null);
        });
    }

    public function resize(width:Float):Void {
        barWidth = Math.max(20, width);
        graphics.clear();
        graphics.beginFill(0, 0.001);
        graphics.drawRect(0, -10, barWidth, 20);
        graphics.endFill();
        paint();
    }

    public function show(value:Float):Void {
        if (dragging)
            return;
        fraction = Math.isNaN(value) ? 0 : Math.max(0, Math.min(1, value));
        paint();
    }

    public function value():Float {
        return fraction;
    }

    function atMouse():Float {
        return Math.max(0, Math.min(1, mouseX / barWidth));
    }

    function drag(_):Void {
        fraction = atMouse();
        paint();
        if (onSeek != null)
            onSeek(fraction, false);
    }

    function release(_):Void {
        stage.removeEventListener(MouseEvent.MOUSE_MOVE, drag);
        stage.removeEventListener(MouseEvent.MOUSE_UP, release);
        fraction = atMouse();
        dragging = false;
        paint();
        if (onSeek != null)
            onSeek(fraction, true);
    }

    function paint():Void {
        var g = track.graphics;
        g.clear();
        var thick = hovered || dragging ? 6 : 4;
        g.beginFill(0xFFFFFF, 0.25);
        g.drawRoundRect(0, -thick / 2, barWidth, thick, thick, thick);
        g.endFill();
        g.beginFill(Theme.ACCENT);
        g.drawRoundRect(0, -thick / 2, Math.max(thick, barWidth * fraction), thick, thick, thick);
        g.endFill();
        var knob = hovered || dragging ? 7 : 5;
        g.beginFill(0xFFFFFF);
        g.drawCircle(barWidth * fraction, 0, knob);
        g.endFill();
    }
}

package vorlen.ui;

import flash.display.Shape;
import flash.events.Event;

// Time-based transitions on the frame clock. With animations off ("noanim") every
// transition jumps to its end at once.
class Motion {
    public static var enabled = true;

    static var clock:Shape;
    static var running:Array<Transition> = [];

    // Calls step with the eased progress (0 to 1) on each frame for durationMs, then done.
    public static function run(durationMs:Float, step:Float->Void, ?done:Void->Void):Transition {
        var transition = new Transition(durationMs, step, done);
        if (!enabled || durationMs <= 0) {
            transition.finish();
            return transition;
        }
        step(0);
        running.push(transition);
        if (clock == null) {
            clock = new Shape();
            clock.addEventListener(Event.ENTER_FRAME, tick);
        }
        return transition;
    }

    static function tick(_):Void {
        var now = flash.Lib.getTimer();
        for (transition in running.copy()) {
            if (transition.advance(now))
                running.remove(transition);
        }
    }

    // Smooth start and end.
    public static function ease(t:Float):Float {
        return t < 0.5 ? 2 * t * t : 1 - Math.pow(-2 * t + 2, 2) / 2;
    }

    public static function cancel(transition:Transition):Void {
        if (transition != null)
            running.remove(transition);
    }
}

class Transition {
    var start:Int;
    var duration:Float;
    var step:Float->Void;
    var done:Void->Void;

    public function new(duration:Float, step:Float->Void, done:Void->Void) {
        this.start = flash.Lib.getTimer();
        this.duration = duration;
        this.step = step;
        this.done = done;
    }

    // True when the transition has ended.
    public function advance(now:Int):Bool {
        var t = (now - start) / duration;
        if (t >= 1) {
            finish();
            return true;
        }
        step(Motion.ease(t));
        return false;
    }

    public function finish():Void {
        step(1);
        if (done != null)
            done();
    }
}

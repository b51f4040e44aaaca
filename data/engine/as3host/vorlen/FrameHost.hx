package vorlen;

import flash.display.Sprite;
import flash.events.Event;
import flash.events.TimerEvent;
import flash.external.ExternalInterface;

// Frame control of an ActionScript 3 movie, the counterpart of the AVM1 host movie. The
// player inserts this class into the movie together with an empty sprite bound to it, which
// the first frame of the root timeline places. The first instance takes the root timeline,
// leaves the display list again and registers the ExternalInterface callbacks the page calls
// for every movie (vorlenGoto, vorlenPlay, ...); it reports frame changes with
// ExternalInterface.call("vorlenFrame", frame, total, playing). Instances placed again when
// the timeline comes back to its first frame only leave. Frames are 1-based and count over
// all scenes. A root without frames (a Sprite) is one frame that never moves.
class FrameHost extends Sprite {
	static var active:FrameHost;

	var timeline:Dynamic;
	var last = -1;
	var lastTotal = -1;
	var lastPlaying = false;
	var dirty = true;
	// Frame ticks without a frame change; 2 and more: not playing.
	var still = 0;
	var loopOff = false;

	public function new() {
		super();
		visible = false;
		mouseEnabled = false;
		mouseChildren = false;
		if (parent != null)
			join();
		else
			addEventListener(Event.ADDED, joinWhenAdded);
	}

	function joinWhenAdded(event:Event):Void {
		if (event.target != this)
			return;
		removeEventListener(Event.ADDED, joinWhenAdded);
		join();
	}

	function join():Void {
		var root:Dynamic = parent;
		try {
			parent.removeChild(this);
		} catch (e:Dynamic) {}
		if (active != null || !ExternalInterface.available)
			return;
		active = this;
		timeline = root;
		ExternalInterface.addCallback("vorlenGoto", gotoFrame);
		ExternalInterface.addCallback("vorlenPlay", runRoot);
		ExternalInterface.addCallback("vorlenStop", haltRoot);
		ExternalInterface.addCallback("vorlenNext", stepForward);
		ExternalInterface.addCallback("vorlenPrev", stepBack);
		ExternalInterface.addCallback("vorlenCurrent", current);
		ExternalInterface.addCallback("vorlenTotal", total);
		ExternalInterface.addCallback("vorlenLoaded", loaded);
		ExternalInterface.addCallback("vorlenQuality", setQuality);
		ExternalInterface.addCallback("vorlenScale", setScale);
		ExternalInterface.addCallback("vorlenSet", setVariable);
		ExternalInterface.addCallback("vorlenLoop", setLoop);
		addEventListener(Event.ENTER_FRAME, tick);
		ExternalInterface.call("vorlenHostReady");
	}

	static function number(value:Dynamic, fallback:Int):Int {
		if (value == null)
			return fallback;
		var n:Int = value;
		return n;
	}

	// The scenes of the root, or null when it has none to offer.
	function scenes():Array<Dynamic> {
		try {
			var list:Array<Dynamic> = timeline.scenes;
			return list;
		} catch (e:Dynamic) {}
		return null;
	}

	// The frames of the scenes before the current one.
	function sceneOffset():Int {
		var list = scenes();
		if (list == null)
			return 0;
		var name:String = null;
		try {
			name = timeline.currentScene.name;
		} catch (e:Dynamic) {
			return 0;
		}
		var offset = 0;
		var i = 0;
		while (i < list.length) {
			var scene:Dynamic = list[i];
			if (scene.name == name)
				return offset;
			offset += number(scene.numFrames, 0);
			i++;
		}
		return 0;
	}

	function current():Int {
		var frame = 1;
		try {
			frame = number(timeline.currentFrame, 1) + sceneOffset();
		} catch (e:Dynamic) {}
		return frame;
	}

	function total():Int {
		var frames = 1;
		try {
			frames = number(timeline.totalFrames, 1);
		} catch (e:Dynamic) {}
		return frames < 1 ? 1 : frames;
	}

	// The frames loaded so far: the engine may still be reading the movie, and a frame that
	// is not there yet cannot be reached.
	function loaded():Int {
		var frames = total();
		try {
			frames = number(timeline.framesLoaded, frames);
		} catch (e:Dynamic) {}
		return frames;
	}

	function gotoFrame(frame:Int, run:Bool):Void {
		var target = frame < 1 ? 1 : (frame > total() ? total() : frame);
		var scene:String = null;
		var list = scenes();
		if (list != null && list.length > 1) {
			var i = 0;
			while (i < list.length) {
				var s:Dynamic = list[i];
				var frames = number(s.numFrames, 0);
				if (target <= frames || i == list.length - 1) {
					scene = s.name;
					break;
				}
				target -= frames;
				i++;
			}
		}
		try {
			if (scene == null) {
				if (run)
					timeline.gotoAndPlay(target);
				else
					timeline.gotoAndStop(target);
			} else {
				if (run)
					timeline.gotoAndPlay(target, scene);
				else
					timeline.gotoAndStop(target, scene);
			}
		} catch (e:Dynamic) {}
		// The engine draws the new frame on its next screen refresh instead of waiting for the
		// movie's next frame.
		try {
			new TimerEvent(TimerEvent.TIMER).updateAfterEvent();
		} catch (e:Dynamic) {}
		mark(run);
	}

	function runRoot():Void {
		try {
			timeline.play();
		} catch (e:Dynamic) {}
		mark(true);
	}

	function haltRoot():Void {
		try {
			timeline.stop();
		} catch (e:Dynamic) {}
		mark(false);
	}

	// Steps over scene ends too.
	function stepForward():Void {
		gotoFrame(current() + 1, false);
	}

	function stepBack():Void {
		gotoFrame(current() - 1, false);
	}

	function setQuality(quality:String):Void {
		try {
			timeline.stage.quality = quality;
		} catch (e:Dynamic) {}
	}

	function setScale(mode:String):Void {
		try {
			timeline.stage.scaleMode = mode;
		} catch (e:Dynamic) {}
	}

	function setLoop(loop:Bool):Void {
		loopOff = !loop;
	}

	// path as the AVM1 host takes it: "_level0.a.b", "_level0/clip:x" or "_level0:x". Only
	// _level0 exists here; "_alpha" (0-100) becomes alpha (0-1).
	function setVariable(path:String, value:String):Void {
		if (path == null || path.indexOf("_level0") != 0)
			return;
		var names:Array<String> = [];
		var name = "";
		var i = 7;
		while (i < path.length) {
			var c = path.charAt(i);
			if (c == "." || c == "/" || c == ":") {
				if (name != "")
					names.push(name);
				name = "";
			} else {
				name += c;
			}
			i++;
		}
		if (name == "")
			return;
		var target:Dynamic = timeline;
		for (part in names) {
			var next:Dynamic = null;
			try {
				next = untyped target[part];
			} catch (e:Dynamic) {}
			if (next == null) {
				try {
					next = target.getChildByName(part);
				} catch (e:Dynamic) {}
			}
			if (next == null)
				return;
			target = next;
		}
		try {
			if (name == "_alpha") {
				var alpha:Float = untyped __global__["Number"](value);
				target.alpha = alpha / 100;
			} else {
				untyped target[name] = value;
			}
		} catch (e:Dynamic) {}
	}

	function mark(playing:Bool):Void {
		still = playing ? 0 : 2;
		dirty = true;
		report(true);
	}

	function tick(event:Event):Void {
		report(false);
	}

	// The frame tick (manual false) counts ticks without progress and halts a movie that must
	// not loop on arriving at its last frame; any change goes to the page.
	function report(manual:Bool):Void {
		var frame = current();
		var frames = total();
		if (!manual) {
			still = frame == last ? still + 1 : 0;
			if (loopOff && still == 0 && frame == frames && frames > 1) {
				try {
					timeline.stop();
				} catch (e:Dynamic) {}
				still = 2;
			}
		}
		var playing = still < 2;
		if (dirty || frame != last || frames != lastTotal || playing != lastPlaying)
			ExternalInterface.call("vorlenFrame", frame, frames, playing);
		last = frame;
		lastTotal = frames;
		lastPlaying = playing;
		dirty = false;
	}
}

import flash.display.MovieClip;
import flash.events.Event;
import flash.external.ExternalInterface;

// An ActionScript 3 movie the way the player's interface movies talk to the player. With
// "callbacks=1" in its query string it registers vorlenSetVariable and vorlenCallLabel and
// reports each call with fscommand("setVariable", name=value) and
// fscommand("callLabel", target:label). In every mode it has a child clip "box" and reports
// each new value of box.mwheel with fscommand("box", value), so that a variable set from
// outside without the callbacks shows too. fscommand("ready", mode) says it has started.
class WheelMovie {
	static var box:MovieClip;
	static var last:Dynamic = null;

	static function send(command:String, args:String):Void {
		untyped __global__["flash.system.fscommand"](command, args);
	}

	static function main():Void {
		var root = flash.Lib.current;
		box = new MovieClip();
		box.name = "box";
		root.addChild(box);
		var parameters:Dynamic = root.loaderInfo.parameters;
		var withCallbacks = parameters.callbacks == "1";
		if (withCallbacks) {
			ExternalInterface.addCallback("vorlenSetVariable", function(name:String, value:String) {
				send("setVariable", name + "=" + value);
			});
			ExternalInterface.addCallback("vorlenCallLabel", function(target:String, label:String) {
				send("callLabel", target + ":" + label);
			});
		}
		root.addEventListener(Event.ENTER_FRAME, function(_) {
			var value:Dynamic = untyped box.mwheel;
			if (value != last) {
				last = value;
				send("box", "" + value);
			}
		});
		send("ready", withCallbacks ? "callbacks" : "plain");
	}
}

package flash;

// The frame host is inserted into other people's movies, some of them made with Haxe too.
// This boot class stands in for the standard one: it pulls in no other class (no Std, no
// haxe.* classes, no Array patches), and it is known to the player under its own name, so
// nothing in the host can collide with the classes of the movie it joins.
@:keep private class RealBoot extends Boot {
	function new() {
		super();
	}
}

@:native("vorlen.HostBoot")
class Boot extends flash.display.MovieClip {
	public static var skip_constructor = false;

	// The compiler's boot class overrides it; nothing runs it here.
	@:keep function init():Void {}

	public static function __instanceof(v:Dynamic, t:Dynamic):Bool {
		return untyped __is__(v, t);
	}

	public static function __string_rec(v:Dynamic, str:String, maxRecursion:Int = 5):String {
		return untyped __global__["String"](v);
	}

	public static function __trace(v:Dynamic, pos:haxe.PosInfos):Void {}

	public static function __clear_trace():Void {}

	public static function __set_trace_color(rgb:UInt):Void {}
}

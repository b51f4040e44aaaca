package vorlen.ui;

import flash.display.DisplayObject;
import flash.display.GradientType;
import flash.display.Shape;
import flash.display.Sprite;
import flash.display.StageAlign;
import flash.display.StageScaleMode;
import flash.events.Event;
import flash.external.ExternalInterface;
import flash.geom.Matrix;

// What every interface movie shares: it reads its parameters (myXML: the document's path,
// noanim: "True" for no animations), loads the document, takes its FONT and shows its texts.
// It is never stretched: the page fills the window, and the movie's own layout is either
// centred at its native size (shrunk only when the window is smaller) or, for an adaptive
// movie, laid out again to the window's size.
// It registers with the page:
// - vorlenState(): what it shows now, as JSON (state, texts, the places of what can be
//   clicked and of the error banner), for the player's tests and tools;
// - vorlenSetVariable(name, value) and vorlenCallLabel(target, label): the player's
//   SetVariable and TCallLabel on an ActionScript 3 movie arrive here.
class UiMovie extends Sprite {
    public var movieWidth(default, null):Float;
    public var movieHeight(default, null):Float;

    var adaptive:Bool;
    var backdrop:Shape;

    var documentPath:String;
    var state = "loading";
    var failure = "";
    var variables:Map<String, String> = new Map();
    var areas:Map<String, DisplayObject> = new Map();
    var texts:Dynamic = {};

    public function new(width:Float, height:Float, adaptive = false) {
        super();
        movieWidth = width;
        movieHeight = height;
        this.adaptive = adaptive;
        var parameters:Dynamic = flash.Lib.current.loaderInfo.parameters;
        documentPath = Reflect.field(parameters, "myXML");
        var noAnimation:String = Reflect.field(parameters, "noanim");
        Motion.enabled = noAnimation == null || noAnimation.toLowerCase() != "true";
        if (ExternalInterface.available) {
            try {
                ExternalInterface.addCallback("vorlenState", describeAsJson);
                ExternalInterface.addCallback("vorlenSetVariable", setVariable);
                ExternalInterface.addCallback("vorlenCallLabel", callLabel);
            } catch (e:Dynamic) {
                // Without the page the movie still works; only the player's calls are lost.
            }
        }
    }

    // Starts loading the document; onDocument follows with it, or with null (the movie then
    // shows its own defaults).
    function start():Void {
        var stage = flash.Lib.current.stage;
        stage.scaleMode = StageScaleMode.NO_SCALE;
        stage.align = StageAlign.TOP_LEFT;
        backdrop = new Shape();
        flash.Lib.current.addChild(backdrop);
        flash.Lib.current.addChild(this);
        stage.addEventListener(Event.RESIZE, function(_) fit());
        fit();
        Document.load(documentPath, function(document:Document, reason:String) {
            state = document == null ? "failed" : "ready";
            failure = reason;
            if (document != null)
                Theme.useFont(document.text("FONT"));
            onDocument(document);
        });
    }

    function onDocument(document:Document):Void {}

    // An adaptive movie lays itself out to this size (the window's, never below the movie's
    // smallest).
    function resized(width:Float, height:Float):Void {}

    public function stageWidth():Float {
        var stage = flash.Lib.current.stage;
        return stage != null && stage.stageWidth > 0 ? stage.stageWidth : movieWidth;
    }

    public function stageHeight():Float {
        var stage = flash.Lib.current.stage;
        return stage != null && stage.stageHeight > 0 ? stage.stageHeight : movieHeight;
    }

    function fit():Void {
        var width = stageWidth();
        var height = stageHeight();
        paintPage(backdrop.graphics, width, height);
        if (adaptive) {
            resized(width, height);
            return;
        }
        var scale = Math.min(1, Math.min(width / movieWidth, height / movieHeight));
        scaleX = scaleY = scale;
        x = Math.round((width - movieWidth * scale) / 2);
        y = Math.round((height - movieHeight * scale) / 2);
    }

    // A variable set by the player ("_root.mwheel" arrives as "mwheel").
    function onVariable(name:String, value:String):Void {}

    // A frame label called by the player on a clip ("vbCall", "MWH").
    function onLabel(target:String, label:String):Void {}

    function setVariable(name:String, value:String):Void {
        var key = lastName(name);
        variables.set(key, value);
        onVariable(key, value);
    }

    function callLabel(target:String, label:String):Void {
        onLabel(lastName(target), label);
    }

    // "_root.mwheel", "/:mwheel", "_level0/vbCall" and "vbCall" name the same thing.
    public static function lastName(path:String):String {
        if (path == null)
            return "";
        var parts = ~/[.:\/]/g.split(path);
        var i = parts.length - 1;
        while (i > 0 && parts[i] == "")
            i--;
        return parts[i];
    }

    // Sends a command to the player.
    public static function send(command:String, args = ""):Void {
        flash.Lib.fscommand(command, args);
    }

    // Something that can be clicked (or the error banner), reported by vorlenState under its
    // name.
    function area(name:String, target:DisplayObject):Void {
        areas.set(name, target);
    }

    function describe():Dynamic {
        var places:Dynamic = {};
        for (name in areas.keys()) {
            var target = areas.get(name);
            if (target.stage == null || !visibleOnStage(target))
                continue;
            var bounds = target.getBounds(target.stage);
            Reflect.setField(places, name, {x: bounds.x, y: bounds.y, w: bounds.width, h: bounds.height});
        }
        return {
            state: state,
            failure: failure,
            font: Theme.font,
            animations: Motion.enabled,
            texts: texts,
            areas: places
        };
    }

    static function visibleOnStage(target:DisplayObject):Bool {
        var node = target;
        while (node != null) {
            if (!node.visible || node.alpha == 0)
                return false;
            node = node.parent;
        }
        return true;
    }

    function describeAsJson():String {
        try {
            return haxe.Json.stringify(describe());
        } catch (e:Dynamic) {
            return haxe.Json.stringify({state: state, error: Std.string(e)});
        }
    }

    // The page: a soft vertical gradient over the whole window.
    function paintPage(g:flash.display.Graphics, width:Float, height:Float):Void {
        var m = new Matrix();
        m.createGradientBox(width, height, Math.PI / 2, 0, 0);
        g.clear();
        g.beginGradientFill(GradientType.LINEAR, [Theme.PAGE_TOP, Theme.PAGE_BOTTOM], [1, 1], [0, 255], m);
        g.drawRect(0, 0, width, height);
        g.endFill();
    }

    // Appears: a short fade and rise (nothing with animations off).
    function reveal(target:DisplayObject):Void {
        var y = target.y;
        Motion.run(260, function(t) {
            target.alpha = t;
            target.y = y + 8 * (1 - t);
        });
    }
}

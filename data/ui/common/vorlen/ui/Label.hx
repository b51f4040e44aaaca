package vorlen.ui;

import flash.display.Sprite;
import flash.text.TextField;
import flash.text.TextFieldAutoSize;
import flash.text.TextFormat;
import flash.text.TextFormatAlign;

// One line (or a wrapped block) of plain text in the document's font. A label that must fit
// a width is cut with an ellipsis, at its end or in its middle (paths keep both ends).
// The built-in face has no bold cut: strong labels are drawn twice, a fraction of a pixel
// apart.
class Label extends Sprite {
    public static inline var CUT_END = 0;
    public static inline var CUT_MIDDLE = 1;

    public var text(default, set):String = "";
    public var colour(default, set):Int;
    public var maxWidth(default, set):Float = 0;
    public var fullText(default, null):String = "";

    var size:Int;
    var strong:Bool;
    var cut:Int;
    var wrap:Bool;
    var align:TextFormatAlign;
    var fields:Array<TextField> = [];

    // wrapWidth > 0 makes a block that wraps at that width instead of one cut line.
    public function new(text:String, size:Int, colour:Int, strong = false, cut = CUT_END, wrapWidth = 0.0, centred = false) {
        super();
        this.size = size;
        this.strong = strong;
        this.cut = cut;
        this.wrap = wrapWidth > 0;
        this.align = centred ? TextFormatAlign.CENTER : TextFormatAlign.LEFT;
        mouseEnabled = false;
        mouseChildren = false;
        for (i in 0...(strong ? 2 : 1)) {
            var field = new TextField();
            field.selectable = false;
            field.mouseEnabled = false;
            if (wrap) {
                field.multiline = true;
                field.wordWrap = true;
                field.width = wrapWidth;
            }
            field.autoSize = centred && !wrap ? TextFieldAutoSize.CENTER : TextFieldAutoSize.LEFT;
            field.x = i * 0.6;
            fields.push(field);
            addChild(field);
        }
        this.colour = colour;
        this.text = text;
    }

    function format():TextFormat {
        var f = new TextFormat(Theme.font, size, colour);
        f.align = align;
        return f;
    }

    function show(value:String):Void {
        for (field in fields) {
            field.defaultTextFormat = format();
            field.text = value;
            field.setTextFormat(format());
        }
    }

    function set_colour(value:Int):Int {
        colour = value;
        if (fields.length > 0)
            show(fields[0].text);
        return value;
    }

    function set_maxWidth(value:Float):Float {
        maxWidth = value;
        if (fields.length > 0)
            text = fullText;
        return value;
    }

    function set_text(value:String):String {
        fullText = value == null ? "" : value;
        show(fullText);
        if (!wrap && maxWidth > 0 && textWidth() > maxWidth)
            show(shortened());
        text = fields[0].text;
        return text;
    }

    // The widest cut of the full text that fits maxWidth.
    function shortened():String {
        var chars = fullText.length;
        var low = 0;
        var high = chars;
        var best = "\u2026";
        while (low <= high) {
            var keep = (low + high) >> 1;
            var candidate = cutTo(keep);
            show(candidate);
            if (textWidth() <= maxWidth) {
                best = candidate;
                low = keep + 1;
            } else {
                high = keep - 1;
            }
        }
        return best;
    }

    function cutTo(keep:Int):String {
        if (cut == CUT_MIDDLE) {
            var head = Math.ceil(keep / 2);
            var tail = keep - head;
            return fullText.substr(0, head) + "\u2026" + (tail > 0 ? fullText.substr(fullText.length - tail) : "");
        }
        return StringTools.rtrim(fullText.substr(0, keep)) + "\u2026";
    }

    public function textWidth():Float {
        return fields[0].textWidth;
    }

    public function textHeight():Float {
        return fields[0].textHeight;
    }
}

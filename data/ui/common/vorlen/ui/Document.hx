package vorlen.ui;

import flash.events.Event;
import flash.events.IOErrorEvent;
import flash.events.SecurityErrorEvent;
import flash.net.URLLoader;
import flash.net.URLRequest;

// The XML document the player writes for a movie: a root element whose children each carry
// one text. Elements may repeat (the recent movies, the browser's items), so the children
// are also kept in their order.
class Document {
    public var root(default, null):String;
    public var entries(default, null):Array<{name:String, value:String}> = [];

    function new(root:String) {
        this.root = root;
    }

    // The document in text, or null when it is not well-formed XML with a root element.
    public static function parse(text:String):Document {
        var xml:Xml;
        try {
            xml = Xml.parse(text);
        } catch (e:Dynamic) {
            return null;
        }
        var top = xml.firstElement();
        if (top == null)
            return null;
        var document = new Document(top.nodeName);
        for (child in top.elements())
            document.entries.push({name: child.nodeName.toUpperCase(), value: textOf(child)});
        return document;
    }

    static function textOf(element:Xml):String {
        var buffer = new StringBuf();
        for (node in element) {
            if (node.nodeType == Xml.PCData || node.nodeType == Xml.CData)
                buffer.add(node.nodeValue);
        }
        return buffer.toString();
    }

    // The text of the first element of that name, or fallback when there is none.
    public function text(name:String, fallback = ""):String {
        for (entry in entries) {
            if (entry.name == name)
                return entry.value;
        }
        return fallback;
    }

    // Loads and parses the document at path (see Address); calls done with the document, or
    // with null and a reason.
    public static function load(path:String, done:Document->String->Void):Void {
        if (path == null || path == "") {
            done(null, "no document named");
            return;
        }
        var loader = new URLLoader();
        loader.addEventListener(Event.COMPLETE, function(_) {
            var document = parse(Std.string(loader.data));
            done(document, document == null ? "not a readable XML document" : "");
        });
        loader.addEventListener(IOErrorEvent.IO_ERROR, function(e:IOErrorEvent) done(null, "cannot read the document"));
        loader.addEventListener(SecurityErrorEvent.SECURITY_ERROR, function(e:SecurityErrorEvent) done(null, "cannot read the document"));
        try {
            loader.load(new URLRequest(Address.of(path)));
        } catch (e:Dynamic) {
            done(null, "cannot read the document");
        }
    }
}

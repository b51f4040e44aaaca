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
        var flat = parseFlat(text);
        return flat != null ? flat : parseXml(text);
    }

    // The player's documents are flat: a root element whose children hold text only. Such a
    // document is read with a few string searches, which keeps a browse document of thousands
    // of items quick; anything else (attributes, nested markup, sections, comments) gives null
    // and goes through the full XML parser.
    static function parseFlat(text:String):Document {
        // Only prologs and white space before the root.
        var at = 0;
        while (true) {
            var open = text.indexOf("<", at);
            if (open < 0 || !isBlank(text.substring(at, open)))
                return null;
            if (text.charAt(open + 1) != "?") {
                at = open;
                break;
            }
            var prologEnd = text.indexOf("?>", open);
            if (prologEnd < 0)
                return null;
            at = prologEnd + 2;
        }
        var rootEnd = text.indexOf(">", at);
        if (rootEnd < 0)
            return null;
        var rootName = text.substring(at + 1, rootEnd);
        if (!isName(rootName))
            return null;
        var document = new Document(rootName);
        var rootClose = "</" + rootName + ">";
        var pos = rootEnd + 1;
        while (true) {
            var open = text.indexOf("<", pos);
            if (open < 0 || (open > pos && !isBlank(text.substring(pos, open))))
                return null;
            if (text.substr(open, rootClose.length) == rootClose)
                return isBlank(text.substr(open + rootClose.length)) ? document : null;
            var tagEnd = text.indexOf(">", open);
            if (tagEnd < 0)
                return null;
            var name = text.substring(open + 1, tagEnd);
            if (StringTools.endsWith(name, "/")) {
                name = StringTools.rtrim(name.substr(0, name.length - 1));
                if (!isName(name))
                    return null;
                document.entries.push({name: name.toUpperCase(), value: ""});
                pos = tagEnd + 1;
                continue;
            }
            if (!isName(name))
                return null;
            var close = "</" + name + ">";
            var contentEnd = text.indexOf(close, tagEnd + 1);
            if (contentEnd < 0)
                return null;
            var value = decode(text.substring(tagEnd + 1, contentEnd));
            if (value == null)
                return null;
            document.entries.push({name: name.toUpperCase(), value: value});
            pos = contentEnd + close.length;
        }
    }

    static function isBlank(text:String):Bool {
        return StringTools.trim(text) == "";
    }

    // An element name without attributes.
    static function isName(text:String):Bool {
        if (text.length == 0)
            return false;
        for (i in 0...text.length) {
            var c = StringTools.fastCodeAt(text, i);
            var letter = (c >= "A".code && c <= "Z".code) || (c >= "a".code && c <= "z".code) || c == "_".code;
            var other = (c >= "0".code && c <= "9".code) || c == ".".code || c == ":".code || c == "-".code;
            if (!letter && (i == 0 || !other))
                return false;
        }
        return true;
    }

    // Text between tags with its character references resolved; null when it holds markup.
    static function decode(text:String):String {
        if (text.indexOf("<") >= 0)
            return null;
        if (text.indexOf("&") < 0)
            return text;
        var buffer = new StringBuf();
        var pos = 0;
        while (true) {
            var amp = text.indexOf("&", pos);
            if (amp < 0) {
                buffer.add(text.substr(pos));
                return buffer.toString();
            }
            buffer.add(text.substring(pos, amp));
            var semi = text.indexOf(";", amp);
            if (semi < 0)
                return null;
            var entity = text.substring(amp + 1, semi);
            switch (entity) {
                case "lt":
                    buffer.add("<");
                case "gt":
                    buffer.add(">");
                case "amp":
                    buffer.add("&");
                case "quot":
                    buffer.add('"');
                case "apos":
                    buffer.add("'");
                default:
                    if (entity.charAt(0) != "#")
                        return null;
                    var code = entity.charAt(1) == "x" ? Std.parseInt("0" + entity.substr(1)) : Std.parseInt(entity.substr(1));
                    if (code == null)
                        return null;
                    buffer.add(String.fromCharCode(code));
            }
            pos = semi + 1;
        }
    }

    static function parseXml(text:String):Document {
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

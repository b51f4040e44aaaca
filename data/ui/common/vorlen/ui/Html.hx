package vorlen.ui;

// Small helpers for the HTML fragments of the documents.
class Html {
    // The text of a fragment without its tags, entities decoded.
    public static function plain(html:String):String {
        return decode(~/<[^>]*>/g.replace(html, ""));
    }

    public static function decode(text:String):String {
        var numeric = ~/&#(x?)([0-9a-fA-F]+);/;
        var result = text;
        while (numeric.match(result)) {
            var code = numeric.matched(1) == "" ? Std.parseInt(numeric.matched(2)) : Std.parseInt("0x" + numeric.matched(2));
            result = numeric.matchedLeft() + String.fromCharCode(code) + numeric.matchedRight();
        }
        result = StringTools.replace(result, "&lt;", "<");
        result = StringTools.replace(result, "&gt;", ">");
        result = StringTools.replace(result, "&quot;", "\"");
        result = StringTools.replace(result, "&apos;", "'");
        result = StringTools.replace(result, "&nbsp;", " ");
        return StringTools.replace(result, "&amp;", "&");
    }

    // Text placed into an htmlText field as it reads.
    public static function escape(text:String):String {
        return StringTools.htmlEscape(text, true);
    }
}

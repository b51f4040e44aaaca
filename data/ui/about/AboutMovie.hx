import flash.display.Shape;
import flash.display.Sprite;
import flash.events.TextEvent;
import flash.text.TextField;
import flash.text.TextFieldAutoSize;
import flash.text.TextFormat;
import vorlen.ui.Brand;
import vorlen.ui.Document;
import vorlen.ui.Html;
import vorlen.ui.Icons;
import vorlen.ui.LinkLines;
import vorlen.ui.Theme;
import vorlen.ui.UiMovie;

// about.swf: the content of the about box. Reads the ABOUT document: INFO, the program's
// name, version, comments, credits, copyright and trademarks as HTML, and SUPPORT, the
// support links (a web link sends "GOWEB").
class AboutMovie extends UiMovie {
    static inline var WIDTH = 420;
    static inline var HEIGHT = 260;
    static inline var MARGIN = 24;
    static inline var TEXT_LEFT = 112;
    static inline var FOOTER = 62;

    var content:Sprite;

    static function main() {
        new AboutMovie().start();
    }

    function new() {
        super(WIDTH, HEIGHT);
        var mark = new Shape();
        Icons.logo(mark.graphics, MARGIN + 4, MARGIN, 64, Theme.ACCENT);
        addChild(mark);
        var rule = new Shape();
        rule.graphics.beginFill(Theme.HAIRLINE);
        rule.graphics.drawRect(MARGIN, HEIGHT - FOOTER, WIDTH - 2 * MARGIN, 1);
        rule.graphics.endFill();
        addChild(rule);
        content = new Sprite();
        addChild(content);
    }

    override function onDocument(document:Document):Void {
        var doc = document != null ? document : Document.parse("<ABOUT/>");
        var info = doc.text("INFO", "<B><FONT size=\"14\">" + Brand.NAME + "</FONT></B>");
        var support = doc.text("SUPPORT", Brand.SUPPORT_LINKS);

        var field = new TextField();
        field.x = TEXT_LEFT;
        field.y = MARGIN - 4;
        field.width = WIDTH - TEXT_LEFT - MARGIN;
        field.height = HEIGHT - FOOTER - field.y - 10;
        field.multiline = true;
        field.wordWrap = true;
        field.selectable = false;
        field.mouseWheelEnabled = true;
        var format = new TextFormat(Theme.font, 12, Theme.TEXT_SOFT);
        format.leading = 2;
        field.defaultTextFormat = format;
        field.htmlText = presented(info);
        // Links in the text open as the support links do.
        field.addEventListener(TextEvent.LINK, function(e:TextEvent) LinkLines.open(e.text));
        content.addChild(field);

        var links = new LinkLines(support, Theme.SIZE_SMALL, WIDTH - TEXT_LEFT - MARGIN);
        links.x = TEXT_LEFT;
        links.y = HEIGHT - FOOTER + 12;
        content.addChild(links);
        for (i in 0...links.links.length)
            area("link" + (i + 1), links.links[i]);

        texts.info = field.text;
        texts.support = links.lineTexts;
        reveal(content);
    }

    // The document's HTML as the field shows it: bold parts in the bright text colour (the
    // built-in face has no bold cut), links routed through the movie, the name larger.
    static function presented(html:String):String {
        var text = ~/<b>/ig.replace(html, "<B><FONT color=\"#" + hex(Theme.TEXT) + "\">");
        text = ~/<\/b>/ig.replace(text, "</FONT></B>");
        text = ~/href\s*=\s*"([^"]*)"/ig.map(text, function(link) return "href=\"event:" + link.matched(1) + "\"");
        return "<FONT face=\"" + Html.escape(Theme.font) + "\">" + text + "</FONT>";
    }

    static function hex(colour:Int):String {
        return StringTools.hex(colour, 6);
    }
}

import flash.display.Shape;
import flash.display.Sprite;
import vorlen.ui.Brand;
import vorlen.ui.Button;
import vorlen.ui.Document;
import vorlen.ui.ErrorBanner;
import vorlen.ui.Icons;
import vorlen.ui.LinkLines;
import vorlen.ui.Theme;
import vorlen.ui.UiMovie;
import RecentList.RecentMovie;

// welcome.swf: what the player shows while no movie is open. Reads the WELCOME document:
// the captions of its four actions (Open, Media Browser, Goodies, Help), the recent movies
// (RECENT caption, FILE path), the support links and the error of a failed load.
class WelcomeMovie extends UiMovie {
    static inline var WIDTH = 550;
    static inline var HEIGHT = 400;
    static inline var MARGIN = 28;
    static inline var FOOTER = 52;
    static inline var GAP = 12;

    var content:Sprite;

    static function main() {
        new WelcomeMovie().start();
    }

    function new() {
        super(WIDTH, HEIGHT);
        var brand = new Brand(40, Theme.SIZE_BRAND);
        brand.x = MARGIN;
        brand.y = 18;
        addChild(brand);
        var rule = new Shape();
        rule.graphics.beginFill(Theme.HAIRLINE);
        rule.graphics.drawRect(MARGIN, 74, WIDTH - 2 * MARGIN, 1);
        rule.graphics.drawRect(MARGIN, HEIGHT - FOOTER, WIDTH - 2 * MARGIN, 1);
        rule.graphics.endFill();
        addChild(rule);
        content = new Sprite();
        addChild(content);
    }

    override function onDocument(document:Document):Void {
        var doc = document != null ? document : Document.parse("<WELCOME/>");
        var movies = recentMovies(doc);
        var error = doc.text("ERROR");
        var captions = {
            title: doc.text("TITLE", "Recent Movies"),
            open: doc.text("OPEN", "Open..."),
            browse: doc.text("BROWSE", "Media Browser"),
            plus: doc.text("PLUS", "Goodies..."),
            help: doc.text("HELP", "Help"),
        };
        var support = doc.text("SUPPORT", Brand.SUPPORT_LINKS);

        var top = 90.0;
        if (StringTools.trim(error) != "") {
            var banner = new ErrorBanner(error, WIDTH - 2 * MARGIN);
            banner.x = MARGIN;
            banner.y = top;
            content.addChild(banner);
            top += Math.round(banner.bannerHeight) + GAP;
            texts.error = banner.text();
            area("error", banner);
        } else {
            texts.error = "";
        }
        // Actions on the left, the recent movies on the right, both as tall as there is room.
        var room = HEIGHT - FOOTER - 14 - top;
        var buttonGap = room >= 220 ? 12.0 : 8.0;
        var buttonHeight = Math.min(48, Math.floor((room - 3 * buttonGap) / 4));
        var columnWidth = 196.0;
        var actions = [
            {name: "open", text: captions.open, icon: Icons.open, command: "MEOWOPEN"},
            {name: "browse", text: captions.browse, icon: Icons.browse, command: "MEOWSEARCH"},
            {name: "plus", text: captions.plus, icon: Icons.star, command: "MEOWPLUS"},
            {name: "help", text: captions.help, icon: Icons.help, command: "MEOWHELP"},
        ];
        for (i in 0...actions.length) {
            var action = actions[i];
            var button = new Button(action.text, action.icon, columnWidth, buttonHeight, buttonHeight >= 42 ? 22 : 18);
            var command = action.command;
            button.onClick = function() UiMovie.send(command, "");
            button.x = MARGIN;
            button.y = Math.round(top + i * (buttonHeight + buttonGap));
            content.addChild(button);
            area(action.name, button);
        }
        var listLeft = MARGIN + columnWidth + 16;
        var listHeight = 4 * buttonHeight + 3 * buttonGap;
        var rowHeight = Math.min(38, Math.floor((listHeight - 44) / 5));
        var list = new RecentList(captions.title, movies, WIDTH - MARGIN - listLeft, listHeight, rowHeight);
        list.x = listLeft;
        list.y = Math.round(top);
        content.addChild(list);
        for (i in 0...list.rows.length)
            area("recent" + (i + 1), list.rows[i]);

        var links = new LinkLines(support, Theme.SIZE_SMALL, WIDTH - 2 * MARGIN);
        links.x = MARGIN;
        links.y = HEIGHT - FOOTER + 10;
        content.addChild(links);
        for (i in 0...links.links.length)
            area("link" + (i + 1), links.links[i]);

        texts.title = captions.title;
        texts.open = captions.open;
        texts.browse = captions.browse;
        texts.plus = captions.plus;
        texts.help = captions.help;
        texts.recent = [for (i in 0...list.rows.length) movies[i].caption];
        texts.files = [for (i in 0...list.rows.length) movies[i].file];
        texts.support = links.lineTexts;
        reveal(content);
    }

    // The RECENT/FILE pairs, in their order; a FILE without its caption shows its path.
    static function recentMovies(doc:Document):Array<RecentMovie> {
        var movies:Array<RecentMovie> = [];
        var caption:String = null;
        for (entry in doc.entries) {
            if (entry.name == "RECENT") {
                caption = entry.value;
            } else if (entry.name == "FILE") {
                if (StringTools.trim(entry.value) != "")
                    movies.push({caption: caption != null ? caption : entry.value, file: entry.value});
                caption = null;
            }
        }
        return movies;
    }
}

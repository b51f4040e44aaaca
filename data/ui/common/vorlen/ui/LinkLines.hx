package vorlen.ui;

import flash.display.Shape;
import flash.display.Sprite;
import flash.events.MouseEvent;
import flash.net.URLRequest;

// The support links of the welcome screen and the about box. The document carries them as
// HTML (links separated by "<BR>"); each line becomes a link that brightens and underlines
// under the mouse. A "mailto:" link opens through the engine (the desktop's mail program);
// a web link asks the player to open its web site ("GOWEB"), which it does in the desktop's
// browser.
class LinkLines extends Sprite {
    public var links(default, null):Array<Sprite> = [];
    public var lineTexts(default, null):Array<String> = [];

    public function new(html:String, size:Int, maxWidth:Float) {
        super();
        var y = 0.0;
        for (line in ~/<br\s*\/?>/ig.split(html)) {
            var link = ~/<a\s[^>]*href\s*=\s*["']?([^"' >]*)["']?[^>]*>(.*?)<\/a>/i;
            var text = "";
            var target:Sprite;
            if (link.match(line)) {
                text = Html.plain(link.matched(2));
                target = linkSprite(text, Html.decode(link.matched(1)), size, maxWidth);
                links.push(target);
            } else {
                text = Html.plain(line);
                if (StringTools.trim(text) == "")
                    continue;
                var plain = new Label(text, size, Theme.TEXT_SOFT);
                plain.maxWidth = maxWidth;
                target = new Sprite();
                target.addChild(plain);
            }
            lineTexts.push(text);
            target.y = y;
            addChild(target);
            y += size + 8;
        }
    }

    function linkSprite(text:String, href:String, size:Int, maxWidth:Float):Sprite {
        var sprite = new Sprite();
        var label = new Label(text, size, Theme.LINK);
        label.maxWidth = maxWidth;
        var underline = new Shape();
        underline.graphics.beginFill(Theme.LINK_HOVER);
        underline.graphics.drawRect(2, size + 4, label.textWidth(), 1);
        underline.graphics.endFill();
        underline.visible = false;
        sprite.addChild(label);
        sprite.addChild(underline);
        // The whole line's box catches the mouse, not only the glyphs.
        sprite.graphics.beginFill(0, 0.001);
        sprite.graphics.drawRect(0, 0, label.textWidth() + 6, size + 8);
        sprite.graphics.endFill();
        sprite.buttonMode = true;
        sprite.useHandCursor = true;
        sprite.mouseChildren = false;
        sprite.addEventListener(MouseEvent.ROLL_OVER, function(_) {
            label.colour = Theme.LINK_HOVER;
            underline.visible = true;
        });
        sprite.addEventListener(MouseEvent.ROLL_OUT, function(_) {
            label.colour = Theme.LINK;
            underline.visible = false;
        });
        sprite.addEventListener(MouseEvent.CLICK, function(_) open(href));
        return sprite;
    }

    public static function open(href:String):Void {
        if (href.toLowerCase().indexOf("mailto:") == 0) {
            try {
                flash.Lib.getURL(new URLRequest(href), "_self");
            } catch (e:Dynamic) {}
        } else {
            UiMovie.send("GOWEB");
        }
    }
}

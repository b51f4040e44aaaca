package vorlen.ui;

import flash.display.Shape;
import flash.display.Sprite;
import flash.events.MouseEvent;
import vorlen.ui.Icons.IconPainter;
import vorlen.ui.Motion.Transition;

// A clickable surface with an icon and a label. It lights up under the mouse (the fill
// brightens and the border takes the accent colour), darkens while pressed, and calls
// onClick when released over it.
class Button extends Sprite {
    public var onClick:Void->Void;
    public var enabled(default, set):Bool = true;
    public var buttonWidth(default, null):Float;
    public var buttonHeight(default, null):Float;

    var face:Shape;
    var glyph:Shape;
    var label:Label;
    var icon:IconPainter;
    var iconSize:Float;
    var hover = 0.0;
    var pressed = false;
    var over = false;
    var transition:Transition;
    var quiet:Bool;

    // quiet: no fill or border until the mouse comes (for buttons on a band).
    public function new(text:String, icon:IconPainter, width:Float, height:Float, iconSize = 22.0, textSize = 14, quiet = false) {
        super();
        this.icon = icon;
        this.iconSize = iconSize;
        this.quiet = quiet;
        buttonWidth = width;
        buttonHeight = height;
        face = new Shape();
        addChild(face);
        glyph = new Shape();
        addChild(glyph);
        var padding = (height - iconSize) / 2;
        var textLeft = icon == null ? 14.0 : padding + iconSize + 10;
        if (text != null && text != "") {
            label = new Label(text, textSize, Theme.TEXT);
            label.maxWidth = width - textLeft - 10;
            label.x = icon == null ? Math.round((width - label.textWidth()) / 2) - 2 : textLeft;
            label.y = Math.round((height - label.textHeight()) / 2) - 2;
            addChild(label);
        }
        buttonMode = true;
        useHandCursor = true;
        mouseChildren = false;
        addEventListener(MouseEvent.ROLL_OVER, function(_) {
            over = true;
            animateTo(1);
        });
        addEventListener(MouseEvent.ROLL_OUT, function(_) {
            over = false;
            pressed = false;
            animateTo(0);
        });
        addEventListener(MouseEvent.MOUSE_DOWN, function(_) {
            pressed = true;
            paint();
        });
        addEventListener(MouseEvent.MOUSE_UP, function(_) {
            var wasPressed = pressed;
            pressed = false;
            paint();
            if (wasPressed && enabled && onClick != null)
                onClick();
        });
        paint();
    }

    function set_enabled(value:Bool):Bool {
        enabled = value;
        buttonMode = value;
        useHandCursor = value;
        alpha = value ? 1 : 0.4;
        if (!value)
            hover = 0;
        paint();
        return value;
    }

    function animateTo(target:Float):Void {
        if (!enabled)
            return;
        Motion.cancel(transition);
        var from = hover;
        transition = Motion.run(140, function(t) {
            hover = from + (target - from) * t;
            paint();
        });
    }

    function paint():Void {
        var g = face.graphics;
        g.clear();
        var fill = pressed ? Theme.PANEL_PRESSED : Theme.mix(Theme.PANEL, Theme.PANEL_HOVER, hover);
        var border = Theme.mix(Theme.LINE, Theme.ACCENT, hover);
        var fillAlpha = quiet ? hover : 1.0;
        Shapes.panel(g, 0, 0, buttonWidth, buttonHeight, 12, fill, fillAlpha, border, quiet ? hover : 1.0);
        // Quiet buttons still catch the mouse over their whole surface.
        if (quiet && hover == 0) {
            g.beginFill(0, 0.001);
            g.drawRect(0, 0, buttonWidth, buttonHeight);
            g.endFill();
        }
        glyph.graphics.clear();
        if (icon != null) {
            var padding = (buttonHeight - iconSize) / 2;
            var left = label == null ? (buttonWidth - iconSize) / 2 : padding;
            icon(glyph.graphics, left, padding, iconSize, Theme.mix(Theme.ACCENT, Theme.ACCENT_LIGHT, hover));
        }
        if (label != null)
            label.colour = Theme.mix(Theme.TEXT, 0xFFFFFF, hover);
    }
}

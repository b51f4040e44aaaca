package vorlen.ui;

import flash.display.CapsStyle;
import flash.display.Graphics;
import flash.display.JointStyle;
import flash.display.LineScaleMode;

// Drawing helpers that keep clear of a trap of the engine's renderer: a line style set
// while the pen rests somewhere leaves a dot there (an empty round-capped stroke). Strokes
// therefore start where their path starts, and outlines of panels are filled rings.
class Shapes {
    // A rounded panel with a border of the given thickness, the border drawn as a ring.
    public static function panel(g:Graphics, x:Float, y:Float, width:Float, height:Float, radius:Float, fill:Int, fillAlpha:Float,
            border:Int, borderAlpha = 1.0, thickness = 1.0):Void {
        g.lineStyle();
        if (thickness > 0 && borderAlpha > 0) {
            g.beginFill(border, borderAlpha);
            g.drawRoundRect(x, y, width, height, radius, radius);
            g.drawRoundRect(x + thickness, y + thickness, width - 2 * thickness, height - 2 * thickness, radius - thickness,
                radius - thickness);
            g.endFill();
        }
        if (fillAlpha > 0) {
            g.beginFill(fill, fillAlpha);
            g.drawRoundRect(x + thickness, y + thickness, width - 2 * thickness, height - 2 * thickness, radius - thickness,
                radius - thickness);
            g.endFill();
        }
    }

    // Moves the pen to (x, y), then sets a round-capped line style: the stroke begins there.
    public static function pen(g:Graphics, x:Float, y:Float, thickness:Float, colour:Int, alpha = 1.0):Void {
        g.lineStyle();
        g.moveTo(x, y);
        g.lineStyle(thickness, colour, alpha, true, LineScaleMode.NORMAL, CapsStyle.ROUND, JointStyle.ROUND);
    }

    // A circle outline (its path starts at its rightmost point).
    public static function ring(g:Graphics, cx:Float, cy:Float, radius:Float, thickness:Float, colour:Int, alpha = 1.0):Void {
        pen(g, cx + radius, cy, thickness, colour, alpha);
        g.drawCircle(cx, cy, radius);
        g.lineStyle();
    }
}

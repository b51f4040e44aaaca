package vorlen.ui;

import flash.display.GradientType;
import flash.display.Graphics;
import flash.geom.Matrix;

// The movies' pictures, drawn as vectors into a square box (x, y, size) in one colour.
typedef IconPainter = Graphics->Float->Float->Float->Int->Void;

class Icons {
    // The program's mark: a rounded square in the accent colour holding a play triangle.
    public static function logo(g:Graphics, x:Float, y:Float, s:Float, colour:Int):Void {
        var m = new Matrix();
        m.createGradientBox(s, s, Math.PI / 2.6, x, y);
        g.lineStyle();
        g.beginGradientFill(GradientType.LINEAR, [Theme.ACCENT_LIGHT, Theme.ACCENT_DARK], [1, 1], [0, 255], m);
        g.drawRoundRect(x, y, s, s, s * 0.44, s * 0.44);
        g.endFill();
        Shapes.ring(g, x + s * 0.5, y + s * 0.5, s * 0.33, s * 0.05, 0xFFFFFF, 0.35);
        g.beginFill(0xFFFFFF);
        g.moveTo(x + s * 0.41, y + s * 0.32);
        g.lineTo(x + s * 0.69, y + s * 0.5);
        g.lineTo(x + s * 0.41, y + s * 0.68);
        g.lineTo(x + s * 0.41, y + s * 0.32);
        g.endFill();
    }

    static function weight(s:Float, share = 0.09):Float {
        return Math.max(1.5, s * share);
    }

    // An opening folder.
    public static function open(g:Graphics, x:Float, y:Float, s:Float, colour:Int):Void {
        Shapes.pen(g, x + s * 0.12, y + s * 0.78, weight(s), colour);
        g.lineTo(x + s * 0.12, y + s * 0.22);
        g.lineTo(x + s * 0.38, y + s * 0.22);
        g.lineTo(x + s * 0.46, y + s * 0.32);
        g.lineTo(x + s * 0.78, y + s * 0.32);
        g.lineTo(x + s * 0.78, y + s * 0.44);
        g.lineStyle();
        g.beginFill(colour);
        g.moveTo(x + s * 0.12, y + s * 0.8);
        g.lineTo(x + s * 0.27, y + s * 0.46);
        g.lineTo(x + s * 0.94, y + s * 0.46);
        g.lineTo(x + s * 0.8, y + s * 0.8);
        g.lineTo(x + s * 0.12, y + s * 0.8);
        g.endFill();
    }

    // Four thumbnails in a grid.
    public static function browse(g:Graphics, x:Float, y:Float, s:Float, colour:Int):Void {
        g.lineStyle();
        var cell = s * 0.34;
        for (row in 0...2) {
            for (column in 0...2) {
                g.beginFill(colour, row == 0 && column == 0 ? 1 : 0.75);
                g.drawRoundRect(x + s * 0.13 + column * (cell + s * 0.06), y + s * 0.13 + row * (cell + s * 0.06), cell, cell, s * 0.1, s * 0.1);
                g.endFill();
            }
        }
    }

    // A five-pointed star.
    public static function star(g:Graphics, x:Float, y:Float, s:Float, colour:Int):Void {
        g.lineStyle();
        g.beginFill(colour);
        var cx = x + s / 2;
        var cy = y + s * 0.53;
        for (i in 0...11) {
            var r = (i % 2 == 0 ? 0.42 : 0.18) * s;
            var a = -Math.PI / 2 + i * Math.PI / 5;
            if (i == 0)
                g.moveTo(cx + r * Math.cos(a), cy + r * Math.sin(a));
            else
                g.lineTo(cx + r * Math.cos(a), cy + r * Math.sin(a));
        }
        g.endFill();
    }

    // A question mark in a ring.
    public static function help(g:Graphics, x:Float, y:Float, s:Float, colour:Int):Void {
        Shapes.ring(g, x + s / 2, y + s / 2, s * 0.4, weight(s, 0.08), colour);
        Shapes.pen(g, x + s * 0.37, y + s * 0.4, weight(s, 0.1), colour);
        g.curveTo(x + s * 0.37, y + s * 0.25, x + s * 0.5, y + s * 0.25);
        g.curveTo(x + s * 0.64, y + s * 0.25, x + s * 0.64, y + s * 0.39);
        g.curveTo(x + s * 0.64, y + s * 0.49, x + s * 0.5, y + s * 0.53);
        g.lineTo(x + s * 0.5, y + s * 0.6);
        g.lineStyle();
        g.beginFill(colour);
        g.drawCircle(x + s * 0.5, y + s * 0.73, s * 0.06);
        g.endFill();
    }

    // A strip of film: a movie.
    public static function film(g:Graphics, x:Float, y:Float, s:Float, colour:Int):Void {
        g.lineStyle();
        g.beginFill(colour);
        g.drawRoundRect(x + s * 0.16, y + s * 0.1, s * 0.68, s * 0.8, s * 0.12, s * 0.12);
        // Sprocket holes and the picture are cut out of the strip.
        for (i in 0...4) {
            g.drawRect(x + s * 0.21, y + s * (0.17 + i * 0.18), s * 0.08, s * 0.1);
            g.drawRect(x + s * 0.71, y + s * (0.17 + i * 0.18), s * 0.08, s * 0.1);
        }
        g.drawRect(x + s * 0.35, y + s * 0.17, s * 0.3, s * 0.28);
        g.drawRect(x + s * 0.35, y + s * 0.55, s * 0.3, s * 0.28);
        g.endFill();
    }

    // A closed folder.
    public static function folder(g:Graphics, x:Float, y:Float, s:Float, colour:Int):Void {
        g.lineStyle();
        g.beginFill(Theme.mix(colour, 0x000000, 0.25));
        g.moveTo(x + s * 0.08, y + s * 0.24);
        g.lineTo(x + s * 0.38, y + s * 0.24);
        g.lineTo(x + s * 0.46, y + s * 0.33);
        g.lineTo(x + s * 0.92, y + s * 0.33);
        g.lineTo(x + s * 0.92, y + s * 0.5);
        g.lineTo(x + s * 0.08, y + s * 0.5);
        g.lineTo(x + s * 0.08, y + s * 0.24);
        g.endFill();
        g.beginFill(colour);
        g.drawRoundRect(x + s * 0.08, y + s * 0.38, s * 0.84, s * 0.46, s * 0.08, s * 0.08);
        g.endFill();
    }

    // A program window that plays: a projector.
    public static function projector(g:Graphics, x:Float, y:Float, s:Float, colour:Int):Void {
        g.lineStyle();
        g.beginFill(colour);
        g.drawRoundRect(x + s * 0.1, y + s * 0.16, s * 0.8, s * 0.68, s * 0.1, s * 0.1);
        g.drawRect(x + s * 0.16, y + s * 0.3, s * 0.68, s * 0.48);
        g.endFill();
        g.beginFill(colour);
        g.moveTo(x + s * 0.42, y + s * 0.39);
        g.lineTo(x + s * 0.62, y + s * 0.54);
        g.lineTo(x + s * 0.42, y + s * 0.69);
        g.lineTo(x + s * 0.42, y + s * 0.39);
        g.endFill();
    }

    // An arrow that points up: the parent folder.
    public static function up(g:Graphics, x:Float, y:Float, s:Float, colour:Int):Void {
        Shapes.pen(g, x + s * 0.5, y + s * 0.8, weight(s, 0.11), colour);
        g.lineTo(x + s * 0.5, y + s * 0.22);
        Shapes.pen(g, x + s * 0.26, y + s * 0.44, weight(s, 0.11), colour);
        g.lineTo(x + s * 0.5, y + s * 0.2);
        g.lineTo(x + s * 0.74, y + s * 0.44);
        g.lineStyle();
    }

    public static function play(g:Graphics, x:Float, y:Float, s:Float, colour:Int):Void {
        g.lineStyle();
        g.beginFill(colour);
        g.moveTo(x + s * 0.3, y + s * 0.2);
        g.lineTo(x + s * 0.8, y + s * 0.5);
        g.lineTo(x + s * 0.3, y + s * 0.8);
        g.lineTo(x + s * 0.3, y + s * 0.2);
        g.endFill();
    }

    public static function pause(g:Graphics, x:Float, y:Float, s:Float, colour:Int):Void {
        g.lineStyle();
        g.beginFill(colour);
        g.drawRoundRect(x + s * 0.24, y + s * 0.2, s * 0.18, s * 0.6, s * 0.06, s * 0.06);
        g.drawRoundRect(x + s * 0.58, y + s * 0.2, s * 0.18, s * 0.6, s * 0.06, s * 0.06);
        g.endFill();
    }

    // A circular arrow: play again.
    public static function replay(g:Graphics, x:Float, y:Float, s:Float, colour:Int):Void {
        var cx = x + s / 2;
        var cy = y + s / 2;
        var r = s * 0.3;
        var steps = 16;
        for (i in 0...steps + 1) {
            var a = -Math.PI * 0.35 + i * (Math.PI * 1.6) / steps;
            if (i == 0)
                Shapes.pen(g, cx + r * Math.cos(a), cy + r * Math.sin(a), weight(s, 0.1), colour);
            else
                g.lineTo(cx + r * Math.cos(a), cy + r * Math.sin(a));
        }
        g.lineStyle();
        g.beginFill(colour);
        var a0 = -Math.PI * 0.35;
        var tipX = cx + r * Math.cos(a0);
        var tipY = cy + r * Math.sin(a0);
        g.moveTo(tipX + s * 0.16, tipY - s * 0.06);
        g.lineTo(tipX - s * 0.04, tipY - s * 0.14);
        g.lineTo(tipX + s * 0.02, tipY + s * 0.1);
        g.endFill();
    }

    // A warning triangle with an exclamation mark.
    public static function warning(g:Graphics, x:Float, y:Float, s:Float, colour:Int):Void {
        g.lineStyle();
        g.beginFill(colour);
        g.moveTo(x + s * 0.5, y + s * 0.08);
        g.lineTo(x + s * 0.96, y + s * 0.88);
        g.lineTo(x + s * 0.04, y + s * 0.88);
        g.lineTo(x + s * 0.5, y + s * 0.08);
        g.endFill();
        g.beginFill(Theme.ERROR_FILL);
        g.drawRoundRect(x + s * 0.455, y + s * 0.36, s * 0.09, s * 0.28, s * 0.06, s * 0.06);
        g.drawCircle(x + s * 0.5, y + s * 0.74, s * 0.055);
        g.endFill();
    }

    // A musical note: sound without pictures.
    public static function note(g:Graphics, x:Float, y:Float, s:Float, colour:Int):Void {
        g.lineStyle();
        g.beginFill(colour);
        g.drawEllipse(x + s * 0.14, y + s * 0.64, s * 0.26, s * 0.2);
        g.drawEllipse(x + s * 0.56, y + s * 0.56, s * 0.26, s * 0.2);
        g.drawRect(x + s * 0.34, y + s * 0.2, s * 0.07, s * 0.54);
        g.drawRect(x + s * 0.76, y + s * 0.12, s * 0.07, s * 0.54);
        g.moveTo(x + s * 0.34, y + s * 0.2);
        g.lineTo(x + s * 0.83, y + s * 0.12);
        g.lineTo(x + s * 0.83, y + s * 0.26);
        g.lineTo(x + s * 0.34, y + s * 0.34);
        g.lineTo(x + s * 0.34, y + s * 0.2);
        g.endFill();
    }

    // A clock: what was played lately.
    public static function clock(g:Graphics, x:Float, y:Float, s:Float, colour:Int):Void {
        Shapes.ring(g, x + s / 2, y + s / 2, s * 0.38, weight(s), colour);
        Shapes.pen(g, x + s * 0.5, y + s * 0.28, weight(s), colour);
        g.lineTo(x + s * 0.5, y + s * 0.5);
        g.lineTo(x + s * 0.66, y + s * 0.6);
        g.lineStyle();
    }

    // A magnifying glass over a folder's contents.
    public static function explore(g:Graphics, x:Float, y:Float, s:Float, colour:Int):Void {
        Shapes.ring(g, x + s * 0.42, y + s * 0.42, s * 0.24, weight(s, 0.1), colour);
        Shapes.pen(g, x + s * 0.6, y + s * 0.6, weight(s, 0.1), colour);
        g.lineTo(x + s * 0.84, y + s * 0.84);
        g.lineStyle();
    }
}

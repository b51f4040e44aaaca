#include "SkinArt.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

QImage NewPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    return picture;
}

bool SavePicture(const QImage& picture, const QString& folder, const QString& name)
{
    const QString path = folder + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return picture.save(path, "PNG");
}

QImage VerticalGradient(int width, int height, const QGradientStops& stops)
{
    QImage picture = NewPicture(width, height);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setStops(stops);
    painter.fillRect(picture.rect(), gradient);
    return picture;
}

QColor RowColor(const QImage& gradient, int y)
{
    return QColor::fromRgba(gradient.pixel(0, std::clamp(y, 0, gradient.height() - 1)));
}

QImage CornerPiece(int size, Qt::Corner corner, const std::function<QColor(int x, int y)>& background, const QColor& border)
{
    QImage piece(size, size, QImage::Format_ARGB32);
    // The circle's centre lies towards the window's inside.
    const bool left = corner == Qt::TopLeftCorner || corner == Qt::BottomLeftCorner;
    const bool top = corner == Qt::TopLeftCorner || corner == Qt::TopRightCorner;
    const double cx = left ? size : 0.0;
    const double cy = top ? size : 0.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d > size) {
                piece.setPixel(x, y, kMaskColor);
                continue;
            }
            QColor color = background(x, y);
            // The edge line: full within a pixel of the arc, fading inwards.
            const double edge = std::clamp(1.6 - (size - d), 0.0, 1.0);
            if (edge > 0) {
                color = QColor::fromRgbF(color.redF() * (1 - edge) + border.redF() * edge,
                    color.greenF() * (1 - edge) + border.greenF() * edge, color.blueF() * (1 - edge) + border.blueF() * edge);
            }
            piece.setPixel(x, y, color.rgb());
        }
    }
    return piece;
}

QImage MaskedRoundedBox(int width, int height, int radius, const QGradientStops& fill, const QColor& border)
{
    const QImage body = VerticalGradient(1, height, fill);
    QImage box(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const QColor row = RowColor(body, y);
        for (int x = 0; x < width; ++x) {
            // Distance outside the rounded rectangle's inner core.
            const double dx = std::max({0.0, radius - (x + 0.5), (x + 0.5) - (width - radius)});
            const double dy = std::max({0.0, radius - (y + 0.5), (y + 0.5) - (height - radius)});
            const double d = std::hypot(dx, dy);
            if (d > radius) {
                box.setPixel(x, y, kMaskColor);
                continue;
            }
            const double edge = std::clamp(1.4 - (radius - d), 0.0, 1.0);
            const QColor color = QColor::fromRgbF(row.redF() * (1 - edge) + border.redF() * edge,
                row.greenF() * (1 - edge) + border.greenF() * edge, row.blueF() * (1 - edge) + border.blueF() * edge);
            box.setPixel(x, y, color.rgb());
        }
    }
    return box;
}

namespace {

QPainterPath Triangle(QPointF a, QPointF b, QPointF c)
{
    QPainterPath path(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    return path;
}

}  // namespace

void DrawGlyph(QPainter& painter, Glyph glyph, const QRectF& box, const QColor& color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = std::min(box.width(), box.height());
    const QPointF c = box.center();
    const double u = s / 16.0;  // the symbols are designed on a 16-unit square
    auto at = [&](double x, double y) { return QPointF(c.x() + (x - 8) * u, c.y() + (y - 8) * u); };
    auto rect = [&](double x, double y, double w, double h) { return QRectF(at(x, y), QSizeF(w * u, h * u)); };
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    QPen line(color, 1.7 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (glyph) {
    case Glyph::Play:
        painter.drawPath(Triangle(at(4.5, 2.5), at(13, 8), at(4.5, 13.5)));
        break;
    case Glyph::Pause:
        painter.drawRoundedRect(rect(4, 3, 3, 10), 0.6 * u, 0.6 * u);
        painter.drawRoundedRect(rect(9, 3, 3, 10), 0.6 * u, 0.6 * u);
        break;
    case Glyph::Stop:
        painter.drawRoundedRect(rect(4, 4, 8, 8), 1.0 * u, 1.0 * u);
        break;
    case Glyph::Previous:
        painter.drawRect(rect(3, 3.5, 2, 9));
        painter.drawPath(Triangle(at(13, 3.5), at(13, 12.5), at(5.5, 8)));
        break;
    case Glyph::Next:
        painter.drawRect(rect(11, 3.5, 2, 9));
        painter.drawPath(Triangle(at(3, 3.5), at(3, 12.5), at(10.5, 8)));
        break;
    case Glyph::Menu:
        for (double y : {4.5, 8.0, 11.5})
            painter.drawRoundedRect(rect(3, y - 0.8, 10, 1.6), 0.8 * u, 0.8 * u);
        break;
    case Glyph::Minimize:
        painter.drawRoundedRect(rect(3.5, 10.5, 9, 1.8), 0.9 * u, 0.9 * u);
        break;
    case Glyph::Close:
        painter.setPen(line);
        painter.drawLine(at(4, 4), at(12, 12));
        painter.drawLine(at(12, 4), at(4, 12));
        break;
    case Glyph::FullScreen:
    case Glyph::Restore: {
        painter.setPen(line);
        painter.setBrush(Qt::NoBrush);
        // Four corner brackets, pointing out (full screen) or in (back to the window).
        const bool out = glyph == Glyph::FullScreen;
        for (int corner = 0; corner < 4; ++corner) {
            const double sx = corner % 2 ? 1 : -1, sy = corner / 2 ? 1 : -1;
            const QPointF tip = at(8 + sx * (out ? 5.5 : 3.0), 8 + sy * (out ? 5.5 : 3.0));
            const double arm = (out ? -3.5 : 3.5) * u;
            QPainterPath path(QPointF(tip.x() + sx * arm, tip.y()));
            path.lineTo(tip);
            path.lineTo(QPointF(tip.x(), tip.y() + sy * arm));
            painter.drawPath(path);
        }
        break;
    }
    case Glyph::Playlist:
        for (double y : {4.0, 8.0, 12.0}) {
            painter.drawEllipse(QPointF(at(3.5, y)), 1.1 * u, 1.1 * u);
            painter.drawRoundedRect(rect(6, y - 0.8, 7.5, 1.6), 0.8 * u, 0.8 * u);
        }
        break;
    case Glyph::Speaker:
    case Glyph::Muted: {
        QPainterPath speaker(at(2, 6));
        speaker.lineTo(at(4.5, 6));
        speaker.lineTo(at(8, 3));
        speaker.lineTo(at(8, 13));
        speaker.lineTo(at(4.5, 10));
        speaker.lineTo(at(2, 10));
        speaker.closeSubpath();
        painter.drawPath(speaker);
        painter.setPen(QPen(color, 1.4 * u, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        if (glyph == Glyph::Speaker) {
            painter.drawArc(QRectF(at(6.5, 5.5), QSizeF(5 * u, 5 * u)), -45 * 16, 90 * 16);
            painter.drawArc(QRectF(at(5.5, 3.5), QSizeF(9 * u, 9 * u)), -45 * 16, 90 * 16);
        } else {
            painter.drawLine(at(10, 6), at(14, 10));
            painter.drawLine(at(14, 6), at(10, 10));
        }
        break;
    }
    case Glyph::Grip:
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j <= i; ++j)
                painter.drawEllipse(QPointF(at(13 - 4 * j, 13 - 4 * (i - j))), 1.1 * u, 1.1 * u);
        }
        break;
    }
    painter.restore();
}

#include "SkinArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

QImage FlatButton(QSize size, Glyph glyph, const QColor& symbol, const QColor& fill, const QColor& edge, double radius,
    double glyphSize, double shift)
{
    QImage picture = NewPicture(size.width(), size.height());
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    if (fill.alpha() > 0) {
        painter.setPen(edge.alpha() > 0 ? QPen(edge, 1) : Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(picture.rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    }
    const QRectF box(QPointF(0, 0), QSizeF(glyphSize, glyphSize));
    DrawGlyph(painter, glyph, box.translated(QRectF(picture.rect()).center() - box.center() + QPointF(0, shift)), symbol);
    return picture;
}

QImage RoundButton(int diameter, Glyph glyph, const QColor& light, const QColor& dark, const QColor& symbol, double shift)
{
    QImage picture = NewPicture(diameter, diameter);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(picture.rect()).adjusted(0.75, 0.75, -0.75, -0.75);
    QLinearGradient gradient(0, 0, 0, diameter);
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    painter.setPen(QPen(dark.darker(125), 1.2));
    painter.setBrush(gradient);
    painter.drawEllipse(face);
    // A soft highlight across the upper half.
    QLinearGradient shine(0, 0, 0, diameter * 0.55);
    shine.setColorAt(0, QColor(255, 255, 255, 90));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawEllipse(face.adjusted(diameter * 0.12, 1.5, -diameter * 0.12, -diameter * 0.45));
    const double size = diameter * 0.5;
    const QRectF box(QPointF(0, 0), QSizeF(size, size));
    DrawGlyph(painter, glyph, box.translated(face.center() - box.center() + QPointF(0, shift)), symbol);
    return picture;
}

}  // namespace

bool SaveButtonSet(const QString& skin, const QString& name, QSize size, Glyph glyph, const ButtonStyle& style)
{
    const QColor none(0, 0, 0, 0);
    bool saved = SavePicture(
        FlatButton(size, glyph, style.glyph, none, none, style.radius, style.glyphSize, 0), skin, QStringLiteral("up/") + name);
    saved &= SavePicture(FlatButton(size, glyph, style.glyphOver, style.fillOver, style.edge, style.radius, style.glyphSize, 0),
        skin, QStringLiteral("over/") + name);
    saved &= SavePicture(FlatButton(size, glyph, style.glyphDown, style.fillDown, style.edge, style.radius, style.glyphSize, 1),
        skin, QStringLiteral("down/") + name);
    saved &= SavePicture(FlatButton(size, glyph, style.glyphDisabled, none, none, style.radius, style.glyphSize, 0), skin,
        QStringLiteral("disabled/") + name);
    return saved;
}

bool SaveRoundButtonSet(const QString& skin, const QString& name, int diameter, Glyph glyph, const QColor& light,
    const QColor& dark, const QColor& symbol)
{
    bool saved = SavePicture(RoundButton(diameter, glyph, light, dark, symbol, 0), skin, QStringLiteral("up/") + name);
    saved &= SavePicture(
        RoundButton(diameter, glyph, light.lighter(112), dark.lighter(112), symbol, 0), skin, QStringLiteral("over/") + name);
    saved &= SavePicture(RoundButton(diameter, glyph, dark, dark.darker(115), symbol, 1), skin, QStringLiteral("down/") + name);
    const QColor grey(light.lightness(), light.lightness(), light.lightness());
    saved &= SavePicture(
        RoundButton(diameter, glyph, grey, grey.darker(130), QColor(250, 250, 250), 0), skin, QStringLiteral("disabled/") + name);
    return saved;
}

QImage BarSlice(int width, int height, int thickness, const QColor& top, const QColor& bottom, const QColor& edge)
{
    QImage picture = NewPicture(width, height);
    const int from = (height - thickness) / 2;
    for (int y = from; y < from + thickness; ++y) {
        const double t = thickness > 1 ? double(y - from) / (thickness - 1) : 0.0;
        QColor color = QColor::fromRgbF(top.redF() + (bottom.redF() - top.redF()) * t,
            top.greenF() + (bottom.greenF() - top.greenF()) * t, top.blueF() + (bottom.blueF() - top.blueF()) * t);
        if (y == from || y == from + thickness - 1)
            color = edge;
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, color.rgba());
    }
    return picture;
}

QImage Knob(int diameter, const QColor& light, const QColor& dark, const QColor& edge)
{
    QImage picture = NewPicture(diameter, diameter);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient gradient(diameter * 0.4, diameter * 0.35, diameter * 0.7);
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(gradient);
    painter.drawEllipse(QRectF(picture.rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    return picture;
}

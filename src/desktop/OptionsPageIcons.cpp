#include "desktop/OptionsPageIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace {

constexpr int kSide = 64;  // drawn large, scaled down by the list

const QColor kInk(0x3a, 0x4a, 0x5c);
const QColor kAccent(0xe0, 0x7b, 0x2a);

void DrawRun(QPainter& p)
{
    p.setBrush(kAccent);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(4, 4, 56, 56));
    QPainterPath play;
    play.moveTo(25, 17);
    play.lineTo(47, 32);
    play.lineTo(25, 47);
    play.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(play);
}

void DrawView(QPainter& p)
{
    QPainterPath eye;
    eye.moveTo(4, 32);
    eye.quadTo(32, 2, 60, 32);
    eye.quadTo(32, 62, 4, 32);
    p.setPen(QPen(kInk, 4));
    p.setBrush(Qt::white);
    p.drawPath(eye);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(32, 32), 12, 12);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(32, 32), 5, 5);
}

void DrawImage(QPainter& p)
{
    p.setPen(QPen(kInk, 4));
    p.setBrush(QColor(0xd8, 0xea, 0xf7));
    p.drawRoundedRect(QRectF(5, 10, 54, 44), 4, 4);
    QPainterPath hills;
    hills.moveTo(8, 50);
    hills.lineTo(24, 30);
    hills.lineTo(34, 42);
    hills.lineTo(42, 34);
    hills.lineTo(56, 50);
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4f, 0x9a, 0x48));
    p.drawPath(hills);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(46, 22), 5, 5);
}

void DrawSystem(QPainter& p)
{
    // A cog: eight teeth around a ring.
    p.translate(32, 32);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int i = 0; i < 8; ++i) {
        p.drawRoundedRect(QRectF(-6, -29, 12, 14), 2, 2);
        p.rotate(45);
    }
    p.drawEllipse(QPointF(0, 0), 20, 20);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), 8, 8);
}

}  // namespace

QIcon OptionsPageIcon(const QString& name)
{
    void (*draw)(QPainter&) = nullptr;
    if (name == QLatin1String("run"))
        draw = DrawRun;
    else if (name == QLatin1String("view"))
        draw = DrawView;
    else if (name == QLatin1String("image"))
        draw = DrawImage;
    else if (name == QLatin1String("system"))
        draw = DrawSystem;
    if (!draw)
        return QIcon();
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

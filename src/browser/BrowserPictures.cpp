#include "browser/BrowserPictures.h"

#include "base/AppFolders.h"
#include "image/ui/PngPainter.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kInk(0x2A, 0x33, 0x44);
const QColor kFilm(0xF2, 0xF4, 0xF7);
const QColor kAccent(0xE8, 0x5D, 0x3A);

}  // namespace

QImage DrawNoMediaPicture(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 64.0, side / 64.0);
    // The film frame with its perforation.
    painter.setPen(QPen(kInk, 2.5));
    painter.setBrush(kFilm);
    painter.drawRoundedRect(QRectF(8, 14, 48, 36), 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    for (int i = 0; i < 6; ++i) {
        painter.drawRect(QRectF(12 + i * 7.5, 17, 4, 3));
        painter.drawRect(QRectF(12 + i * 7.5, 44, 4, 3));
    }
    painter.setBrush(QColor(0xC9, 0xD1, 0xDC));
    painter.drawRect(QRectF(12, 23, 40, 18));
    // Struck through.
    painter.setPen(QPen(kAccent, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(14, 54), QPointF(50, 10));
    return image;
}

QImage DrawEditPicture(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 48.0, side / 48.0);
    // The sheet.
    painter.setPen(QPen(kInk, 2));
    painter.setBrush(kFilm);
    painter.drawRoundedRect(QRectF(6, 4, 28, 36), 3, 3);
    painter.setPen(QPen(QColor(0x9A, 0xA5, 0xB5), 2));
    for (int i = 0; i < 4; ++i)
        painter.drawLine(QPointF(11, 12 + i * 6), QPointF(29 - (i == 3 ? 8 : 0), 12 + i * 6));
    // The pencil across it.
    painter.translate(34, 26);
    painter.rotate(45);
    painter.setPen(QPen(kInk, 1.5));
    painter.setBrush(QColor(0xF5, 0xB7, 0x31));
    painter.drawRect(QRectF(-4, -16, 8, 24));
    painter.setBrush(kAccent);
    painter.drawRect(QRectF(-4, -20, 8, 5));
    QPainterPath tip;
    tip.moveTo(-4, 8);
    tip.lineTo(4, 8);
    tip.lineTo(0, 15);
    tip.closeSubpath();
    painter.setBrush(QColor(0xF0, 0xD9, 0xB5));
    painter.drawPath(tip);
    return image;
}

QImage NoMediaShot(const QSize& size, const QString& background)
{
    QImage shot(size.expandedTo(QSize(1, 1)), QImage::Format_RGB888);
    shot.fill(QColor(QLatin1Char('#') + background));
    QImage picture = LoadPngImage(Folders().images + QStringLiteral("nomedia"));
    if (picture.isNull())
        picture = DrawNoMediaPicture(64);
    const int side = std::min({shot.width(), shot.height(), picture.width() * 2}) * 3 / 4;
    if (side > 0) {
        const QImage fitted = picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter painter(&shot);
        painter.drawImage((shot.width() - fitted.width()) / 2, (shot.height() - fitted.height()) / 2, fitted);
    }
    return shot;
}

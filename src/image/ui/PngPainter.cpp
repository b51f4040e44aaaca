#include "image/ui/PngPainter.h"

#include "base/ExecutionLog.h"
#include "image/PixelBlend.h"
#include "image/cPNG.h"

#include <QPainter>
#include <QtGlobal>

#include <algorithm>
#include <vector>

namespace {

// Bytes per pixel of a target whose memory is blue, green, red (and a fourth byte) per
// pixel; 0 when the format is laid out otherwise.
int BgrPixelBytes(QImage::Format format)
{
    if (format == QImage::Format_BGR888)
        return 3;
    if (Q_BYTE_ORDER == Q_LITTLE_ENDIAN && (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32))
        return 4;
    return 0;
}

void BlendOnto(const cPNG& png, QImage& target, int pixelBytes, int x, int y, bool halfTransparent)
{
    const PngBitmap& bitmap = png.Bitmap();
    const int width = bitmap.info.width, height = bitmap.info.height;
    const int left = std::max(0, -x), right = std::min(width, target.width() - x);
    if (left >= right)
        return;
    const bool blend = bitmap.info.bitCount == 32;
    std::vector<uint32_t> row(width);
    for (int sy = std::max(0, -y); sy < height && y + sy < target.height(); ++sy) {
        png.RowARGB(sy, row.data());
        uint8_t* destination = target.scanLine(y + sy) + pixelBytes * (x + left);
        DrawArgbPixels(row.data() + left, destination, pixelBytes, right - left, blend, halfTransparent);
    }
}

}  // namespace

QImage PngToQImage(const cPNG& png, bool halfTransparent)
{
    if (png.IsEmpty())
        return QImage();
    const PngBitmap& bitmap = png.Bitmap();
    QImage image(bitmap.info.width, bitmap.info.height, QImage::Format_ARGB32);
    if (image.isNull())
        return QImage();
    const bool halve = halfTransparent && bitmap.info.bitCount == 32;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<uint32_t*>(image.scanLine(y));
        png.RowARGB(y, line);
        if (halve) {
            for (int x = 0; x < image.width(); ++x)
                line[x] = (((line[x] >> 24) >> 1) << 24) | (line[x] & 0x00FFFFFFu);
        }
    }
    return image;
}

void DrawToDC(const cPNG& png, QImage& target, int x, int y, bool halfTransparent)
{
    if (png.IsEmpty() || target.isNull())
        return;
    const int pixelBytes = BgrPixelBytes(target.format());
    if (pixelBytes != 0) {
        BlendOnto(png, target, pixelBytes, x, y, halfTransparent);
        return;
    }
    // Other layouts are blended through a copy in a layout the blend knows.
    const QImage::Format original = target.format();
    const QImage::Format working = Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        ? (target.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32)
        : QImage::Format_BGR888;
    QImage copy = target.convertToFormat(working);
    BlendOnto(png, copy, BgrPixelBytes(working), x, y, halfTransparent);
    target = copy.convertToFormat(original);
}

void DrawToDC(const cPNG& png, QPainter& painter, int x, int y, bool halfTransparent)
{
    if (png.IsEmpty())
        return;
    QPaintDevice* device = painter.device();
    const QTransform transform = painter.deviceTransform();
    if (device && device->devType() == QInternal::Image && transform.type() <= QTransform::TxTranslate) {
        auto* image = static_cast<QImage*>(device);
        const int pixelBytes = BgrPixelBytes(image->format());
        if (pixelBytes != 0 && qFuzzyIsNull(transform.dx() - qRound(transform.dx()))
            && qFuzzyIsNull(transform.dy() - qRound(transform.dy()))) {
            BlendOnto(png, *image, pixelBytes, x + qRound(transform.dx()), y + qRound(transform.dy()), halfTransparent);
            return;
        }
    }
    painter.drawImage(x, y, PngToQImage(png, halfTransparent));
}

namespace {

// Loads prefix + ".png" for the image routine, logging the failure.
bool LoadForDrawing(cPNG& png, const QString& prefix)
{
    if (png.LoadPNGFile(prefix + QStringLiteral(".png")) == cPNG::Loaded)
        return true;
    LogLine(QStringLiteral("Failed to draw ") + prefix + QStringLiteral(".png"));
    return false;
}

}  // namespace

bool DrawPngFile(QPainter& painter, const QString& prefix, int x, int y, bool halfTransparent)
{
    cPNG png;
    if (!LoadForDrawing(png, prefix))
        return false;
    DrawToDC(png, painter, x, y, halfTransparent);
    return true;
}

bool DrawPngFile(QImage& target, const QString& prefix, int x, int y, bool halfTransparent)
{
    cPNG png;
    if (!LoadForDrawing(png, prefix))
        return false;
    DrawToDC(png, target, x, y, halfTransparent);
    return true;
}

QImage LoadPngImage(const QString& prefix)
{
    cPNG png;
    return LoadForDrawing(png, prefix) ? PngToQImage(png) : QImage();
}

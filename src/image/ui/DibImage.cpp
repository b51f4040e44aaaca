#include "image/ui/DibImage.h"

#include "image/cDIBSection.h"

#include <QPainter>

#include <algorithm>

QImage DibToQImage(const cDIBSection& dib)
{
    if (dib.IsEmpty())
        return QImage();
    QImage image(dib.Width(), dib.Height(), QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    for (int y = 0; y < dib.Height(); ++y) {
        const uint8_t* in = dib.ScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < dib.Width(); ++x)
            out[x] = qRgb(in[3 * x + 2], in[3 * x + 1], in[3 * x]);
    }
    return image;
}

bool CreateFromPicture(cDIBSection& dib, const QImage& picture)
{
    if (picture.isNull() || !dib.Create(picture.width(), picture.height()))
        return false;
    LoadPictureBlt(dib, picture, 0, 0);
    return true;
}

void LoadPictureBlt(cDIBSection& dib, const QImage& source, int sourceX, int sourceY, int width, int height)
{
    if (dib.IsEmpty() || source.isNull())
        return;
    int w = width < 0 ? dib.Width() : width;
    int h = height < 0 ? dib.Height() : height;
    int dx = 0, dy = 0;
    if (sourceX < 0)
        w += sourceX, dx -= sourceX, sourceX = 0;
    if (sourceY < 0)
        h += sourceY, dy -= sourceY, sourceY = 0;
    w = std::min({w, source.width() - sourceX, dib.Width() - dx});
    h = std::min({h, source.height() - sourceY, dib.Height() - dy});
    if (w <= 0 || h <= 0)
        return;
    // Alpha is dropped: the surface holds opaque colours only.
    const QImage rgb = source.copy(sourceX, sourceY, w, h).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uint8_t* out = dib.ScanLine(dy + y) + 3 * dx;
        for (int x = 0; x < w; ++x) {
            out[3 * x] = static_cast<uint8_t>(qBlue(in[x]));
            out[3 * x + 1] = static_cast<uint8_t>(qGreen(in[x]));
            out[3 * x + 2] = static_cast<uint8_t>(qRed(in[x]));
        }
    }
}

void PaintPicture(const cDIBSection& dib, QPainter& destination, int x, int y, int width, int height, int sourceX, int sourceY)
{
    if (dib.IsEmpty())
        return;
    const int w = width < 0 ? dib.Width() : width;
    const int h = height < 0 ? dib.Height() : height;
    destination.drawImage(QPoint(x, y), DibToQImage(dib), QRect(sourceX, sourceY, w, h));
}

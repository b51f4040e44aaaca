#include "skin/SkinPicture.h"

#include "image/cPNG.h"
#include "image/ui/PngPainter.h"
#include "skin/SkinValues.h"

#include <QBitmap>
#include <QFileInfo>
#include <QImageReader>

QImage LoadSkinPicture(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return QImage();
    if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        cPNG png;
        if (png.LoadPNGFile(path) != cPNG::Loaded)
            return QImage();
        return PngToQImage(png);
    }
    QImageReader reader(path);
    QImage image = reader.read();
    return image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32);
}

QImage ScaledSkinPicture(const QImage& picture, QSize size, bool exact)
{
    if (picture.isNull() || size.isEmpty() || picture.size() == size)
        return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, exact ? Qt::FastTransformation : Qt::SmoothTransformation);
}

QRegion MaskHoles(const QImage& picture, QSize size, uint32_t maskColor)
{
    if (picture.isNull() || size.isEmpty())
        return QRegion();
    const QImage shown = ScaledSkinPicture(picture, size, true).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(SkinColorRed(maskColor), SkinColorGreen(maskColor), SkinColorBlue(maskColor));
    const QImage holes = shown.createMaskFromColor(key, Qt::MaskInColor);
    return QRegion(QBitmap::fromImage(holes));
}

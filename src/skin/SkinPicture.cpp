#include "skin/SkinPicture.h"

#include "image/cPNG.h"
#include "image/ui/PngPainter.h"
#include "skin/SkinValues.h"

#include <QFileInfo>
#include <QImageReader>

#include <vector>

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
    const QRgb key = qRgb(SkinColorRed(maskColor), SkinColorGreen(maskColor), SkinColorBlue(maskColor)) & 0x00FFFFFF;
    // The runs of the colour in each row; rows with the same runs as the row above make one band,
    // the form a region is built from.
    std::vector<QRect> rects;
    std::vector<std::pair<int, int>> runs, above;
    size_t band = 0;
    for (int y = 0; y < shown.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
        runs.clear();
        for (int x = 0; x < shown.width();) {
            if ((line[x] & 0x00FFFFFF) != key) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < shown.width() && (line[x] & 0x00FFFFFF) == key)
                ++x;
            runs.emplace_back(start, x - start);
        }
        if (!runs.empty() && runs == above) {
            for (size_t i = band; i < rects.size(); ++i)
                rects[i].setHeight(rects[i].height() + 1);
        } else {
            band = rects.size();
            for (const auto& [start, length] : runs)
                rects.emplace_back(start, y, length, 1);
        }
        above.swap(runs);
    }
    QRegion holes;
    if (!rects.empty())
        holes.setRects(rects.data(), int(rects.size()));
    return holes;
}

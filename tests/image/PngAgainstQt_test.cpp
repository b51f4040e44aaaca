#include "PngBuilder.h"
#include "base/ExecutionLog.h"
#include "common/TestSupport.h"
#include "image/cDIBSection.h"
#include "image/cPNG.h"
#include "image/ui/DibImage.h"
#include "image/ui/PngPainter.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <vector>

#include <gtest/gtest.h>

using namespace PngBuilder;

namespace {

// Qt's decoding reduced the way the bitmap layout reduces it: 16-bit samples to their high
// byte, everything as non-premultiplied 0xAARRGGBB.
uint32_t QtPixel(const QImage& rgba64, int x, int y)
{
    const QRgba64 p = reinterpret_cast<const QRgba64*>(rgba64.constScanLine(y))[x];
    return (uint32_t(p.alpha() >> 8) << 24) | (uint32_t(p.red() >> 8) << 16) | (uint32_t(p.green() >> 8) << 8)
        | uint32_t(p.blue() >> 8);
}

// A 4 x 2 RGBA image: alphas 0, 64, 128, 255 over four colours, second row all alpha 200.
QByteArray AlphaFile()
{
    return File({Ihdr(4, 2, 8, 6),
        Idat(QByteArray::fromHex("00"
                                 "ff000000"
                                 "00ff0040"
                                 "0000ff80"
                                 "808080ff"
                                 "00"
                                 "102030c8"
                                 "405060c8"
                                 "708090c8"
                                 "a0b0c0c8")),
        Iend()});
}

}  // namespace

TEST(PngAgainstQt, EveryValidSuiteFileDecodesToQtsPixels)
{
    SKIP_WITHOUT_CORPUS();
    const QDir folder(CorpusDir() + QStringLiteral("/png"));
    int compared = 0;
    for (const QString& name : folder.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name)) {
        if (name.startsWith(QLatin1Char('x')))
            continue;
        const QString path = folder.filePath(name);
        cPNG png;
        ASSERT_EQ(png.LoadPNGFile(path), 0) << name.toStdString();
        // Qt 6.4 misreads 16-bit truecolour images with a colour key (its rows come out shifted);
        // the suite holds the same picture as 8-bit truecolour with a key, which Qt reads right.
        const bool keyed16 = name == QLatin1String("tbbn2c16.png") || name == QLatin1String("tbgn2c16.png");
        const QString reference = keyed16 ? folder.filePath(QStringLiteral("tbrn2c08.png")) : path;
        const QImage qt = QImage(reference).convertToFormat(QImage::Format_RGBA64);
        ASSERT_FALSE(qt.isNull()) << name.toStdString();
        ASSERT_EQ(png.Bitmap().info.width, qt.width());
        ASSERT_EQ(png.Bitmap().info.height, qt.height());
        std::vector<uint32_t> row(qt.width());
        int differences = 0;
        for (int y = 0; y < qt.height(); ++y) {
            png.RowARGB(y, row.data());
            for (int x = 0; x < qt.width(); ++x) {
                const uint32_t mine = row[x], theirs = QtPixel(qt, x, y);
                if (mine >> 24 == 0) {
                    // Fully transparent: the colour is nobody's business.
                    differences += theirs >> 24 != 0;
                } else {
                    differences += mine != theirs;
                }
            }
        }
        EXPECT_EQ(differences, 0) << name.toStdString();
        ++compared;
    }
    EXPECT_GE(compared, 160);
}

TEST(PngAgainstQt, BlendOntoImagesUsesTheIntegerArithmetic)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("alpha.png"));
    ASSERT_TRUE(WriteAll(path, AlphaFile()));
    cPNG png;
    ASSERT_EQ(png.LoadPNGFile(path), 0);

    QImage target(6, 3, QImage::Format_RGB32);
    target.fill(qRgb(255, 255, 255));
    DrawToDC(png, target, 1, 1);
    EXPECT_EQ(target.pixel(0, 0), qRgb(255, 255, 255));  // outside the image
    EXPECT_EQ(target.pixel(1, 1), qRgb(255, 255, 255));  // alpha 0 keeps the destination
    // alpha 64 of green on white: (191 * 255 + 64 * 0 + 255) >> 8 = 191, (191 * 255 + 64 * 255 + 255) >> 8 = 255
    EXPECT_EQ(target.pixel(2, 1), qRgb(191, 255, 191));
    // alpha 128 of blue: (127 * 255 + 255) >> 8 = 127
    EXPECT_EQ(target.pixel(3, 1), qRgb(127, 127, 255));
    EXPECT_EQ(target.pixel(4, 1), qRgb(128, 128, 128));  // alpha 255 takes the image
    // alpha 200 of 0x10 on 0xFF: (55 * 255 + 200 * 16 + 255) >> 8 = 68
    EXPECT_EQ(qRed(target.pixel(1, 2)), 68);

    // The same drawing on a bitmap surface and through a painter over an image.
    cDIBSection surface;
    ASSERT_TRUE(surface.Create(6, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            surface.SetPixel(x, y, 0xFFFFFF);
    png.DrawToDIB(surface, 1, 1);
    EXPECT_EQ(DibToQImage(surface), target);

    QImage painted(6, 3, QImage::Format_RGB32);
    painted.fill(qRgb(255, 255, 255));
    {
        QPainter painter(&painted);
        painter.translate(1, 0);
        DrawToDC(png, painter, 0, 1);
    }
    EXPECT_EQ(painted, target);
}

TEST(PngAgainstQt, HalfTransparencyNeverDrawsAnOpaquePixel)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("alpha.png"));
    ASSERT_TRUE(WriteAll(path, AlphaFile()));
    cPNG png;
    ASSERT_EQ(png.LoadPNGFile(path), 0);
    QImage target(4, 2, QImage::Format_RGB32);
    target.fill(qRgb(0, 0, 0));
    DrawToDC(png, target, 0, 0, true);
    // The opaque grey pixel now has alpha 127: (127 * 128 + 255) >> 8 = 64.
    EXPECT_EQ(target.pixel(3, 0), qRgb(64, 64, 64));
    EXPECT_EQ(target.pixel(0, 0), qRgb(0, 0, 0));
    for (int x = 0; x < 4; ++x)
        EXPECT_LT(qAlpha(PngToQImage(png, true).pixel(x, 0)), 128);
}

TEST(PngAgainstQt, ImageRoutineDrawsOrLogsTheFailure)
{
    TempAppFolder app;
    const QString prefix = app.Path() + QStringLiteral("Data/Images/logo");
    ASSERT_TRUE(WriteAll(prefix + QStringLiteral(".png"), AlphaFile()));
    QImage target(8, 8, QImage::Format_ARGB32);
    target.fill(qRgb(0, 0, 0));
    EXPECT_TRUE(DrawPngFile(target, prefix, 2, 2));
    EXPECT_EQ(target.pixel(5, 2), qRgb(128, 128, 128));
    EXPECT_TRUE(app.LogBody().isEmpty());

    const QString missing = app.Path() + QStringLiteral("Data/Images/none");
    QPainter painter(&target);
    EXPECT_FALSE(DrawPngFile(painter, missing, 0, 0));
    EXPECT_EQ(app.LogBody(), QStringList{QStringLiteral("Failed to draw ") + missing + QStringLiteral(".png<br>")});

    // A picture shown on its own goes the same way.
    EXPECT_EQ(LoadPngImage(prefix).size(), QImage(prefix + QStringLiteral(".png")).size());
    EXPECT_TRUE(LoadPngImage(missing).isNull());
    EXPECT_EQ(app.LogBody().size(), 2);
}

TEST(PngAgainstQt, PicturesCopyIntoAndOutOfTheSurface)
{
    QImage picture(5, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            picture.setPixel(x, y, qRgb(x * 50, y * 100, 7));
    cDIBSection dib;
    ASSERT_TRUE(CreateFromPicture(dib, picture));
    EXPECT_EQ(dib.Width(), 5);
    EXPECT_EQ(dib.Pixel(4, 2), 0xC8C807u);
    EXPECT_EQ(DibToQImage(dib), picture.convertToFormat(QImage::Format_RGB32));

    LoadPictureBlt(dib, picture, 3, 1);  // what fits of the 5 x 3 rectangle from (3, 1)
    EXPECT_EQ(dib.Pixel(0, 0), 0x966407u);
    EXPECT_EQ(dib.Pixel(1, 1), 0xC8C807u);
    EXPECT_EQ(dib.Pixel(2, 0), 0x640007u);  // untouched

    QImage canvas(4, 4, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        PaintPicture(dib, painter, 1, 1, 2, 2, 3, 1);
    }
    EXPECT_EQ(canvas.pixel(1, 1), qRgb(150, 100, 7));
    EXPECT_EQ(canvas.pixel(2, 2), qRgb(200, 200, 7));
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(0, 0, 0));
}

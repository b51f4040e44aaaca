#include "base/ErrorContext.h"
#include "image/SaveDibAsJpeg.h"
#include "image/cDIBSection.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

#include <gtest/gtest.h>
#include <jpeglib.h>

namespace {

struct DecodedJpeg {
    int width = 0, height = 0, components = 0;
    bool progressive = true;
    std::vector<uint8_t> rgb;  // top-down
};

// Reads a file back with libjpeg-turbo.
DecodedJpeg ReadJpeg(const QString& path)
{
    DecodedJpeg out;
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file)
        return out;
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    out.progressive = info.progressive_mode;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.width = int(info.output_width);
    out.height = int(info.output_height);
    out.components = info.output_components;
    out.rgb.resize(size_t(out.width) * out.height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.rgb.data() + size_t(info.output_scanline) * out.width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return out;
}

// Left third red, middle green, right blue; the bottom quarter white.
void FillBands(cDIBSection& dib)
{
    for (int y = 0; y < dib.Height(); ++y)
        for (int x = 0; x < dib.Width(); ++x) {
            const uint32_t band = x < dib.Width() / 3 ? 0xFF0000 : x < 2 * dib.Width() / 3 ? 0x00FF00 : 0x0000FF;
            dib.SetPixel(x, y, y >= dib.Height() * 3 / 4 ? 0xFFFFFF : band);
        }
}

bool Near(const uint8_t* rgb, uint32_t expected, int tolerance = 24)
{
    return std::abs(rgb[0] - int(expected >> 16)) <= tolerance && std::abs(rgb[1] - int((expected >> 8) & 255)) <= tolerance
        && std::abs(rgb[2] - int(expected & 255)) <= tolerance;
}

}  // namespace

TEST(SaveDibAsJpeg, WritesABaselineFileOfTheBitmapsSizeAndColours)
{
    QTemporaryDir dir;
    // A width that is not a multiple of 4 leaves padding at every row end.
    cDIBSection dib;
    ASSERT_TRUE(dib.Create(75, 41));
    FillBands(dib);
    const QString path = dir.filePath(QStringLiteral("shot.jpg"));
    ASSERT_TRUE(SaveDibAsJpeg(dib, path, 90));
    const DecodedJpeg jpeg = ReadJpeg(path);
    ASSERT_EQ(jpeg.width, 75);
    ASSERT_EQ(jpeg.height, 41);
    EXPECT_EQ(jpeg.components, 3);
    EXPECT_FALSE(jpeg.progressive);
    auto at = [&](int x, int y) { return jpeg.rgb.data() + (size_t(y) * 75 + x) * 3; };
    EXPECT_TRUE(Near(at(10, 5), 0xFF0000));
    EXPECT_TRUE(Near(at(37, 5), 0x00FF00));
    EXPECT_TRUE(Near(at(65, 5), 0x0000FF));
    EXPECT_TRUE(Near(at(37, 38), 0xFFFFFF));  // bottom stays at the bottom
}

TEST(SaveDibAsJpeg, QualityChangesTheFileSize)
{
    QTemporaryDir dir;
    cDIBSection dib;
    ASSERT_TRUE(dib.Create(64, 64));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            dib.SetPixel(x, y, uint32_t((x * 97 + y * 31) * 2654435761u) & 0xFFFFFF);
    ASSERT_TRUE(SaveDibAsJpeg(dib, dir.filePath(QStringLiteral("low.jpg")), 10));
    ASSERT_TRUE(SaveDibAsJpeg(dib, dir.filePath(QStringLiteral("high.jpg")), 100));
    ASSERT_TRUE(SaveDibAsJpeg(dib, dir.filePath(QStringLiteral("zero.jpg")), 0));
    EXPECT_LT(
        QFileInfo(dir.filePath(QStringLiteral("low.jpg"))).size(), QFileInfo(dir.filePath(QStringLiteral("high.jpg"))).size());
    EXPECT_EQ(ReadJpeg(dir.filePath(QStringLiteral("zero.jpg"))).width, 64);
}

TEST(SaveDibAsJpeg, ReplacingAFileKeepsItsTimesAndPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("thumb.jpg"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older thumbnail");
        old.close();
    }
    const QDateTime then = QDateTime::fromSecsSinceEpoch(1100000000);
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::Append));
        ASSERT_TRUE(old.setFileTime(then, QFileDevice::FileModificationTime));
        ASSERT_TRUE(old.setFileTime(then, QFileDevice::FileAccessTime));
    }
    const QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, permissions));
    const QDateTime born = QFileInfo(path).birthTime();

    cDIBSection dib;
    ASSERT_TRUE(dib.Create(16, 16));
    ASSERT_TRUE(SaveDibAsJpeg(dib, path, 75));
    const QFileInfo now(path);
    EXPECT_EQ(now.lastModified(), then);
    EXPECT_EQ(now.lastRead(), then);
    EXPECT_EQ(now.permissions() & 0x7077, permissions & 0x7077);
    if (born.isValid()) {
        EXPECT_EQ(now.birthTime(), born);
    }
    EXPECT_EQ(ReadJpeg(path).width, 16);  // reading last: it moves the access time
}

TEST(SaveDibAsJpeg, FailuresAreRaisedAsError26001)
{
    QTemporaryDir dir;
    cDIBSection dib;
    ASSERT_TRUE(dib.Create(8, 8));
    try {
        SaveDibAsJpeg(dib, dir.filePath(QStringLiteral("no such folder/shot.jpg")), 80);
        FAIL() << "no error raised";
    } catch (const VorlenError& e) {
        EXPECT_EQ(e.Info().number, 26001);
        EXPECT_EQ(e.Info().source, QStringLiteral("Vorlen.mIntelJPEGLibrary"));
        EXPECT_TRUE(e.Info().description.startsWith(QStringLiteral("Failed to save to JPG "))) << e.what();
    }
    cDIBSection empty;
    EXPECT_THROW(SaveDibAsJpeg(empty, dir.filePath(QStringLiteral("empty.jpg")), 80), VorlenError);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("empty.jpg"))));
}

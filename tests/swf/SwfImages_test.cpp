#include "media/ExtractTestSupport.h"

#include "swf/SwfImages.h"

#include <gtest/gtest.h>

namespace {

QByteArray Pixels(const QByteArray& jpeg)
{
    QByteArray pixels;
    EXPECT_TRUE(DecodesAsJpeg(jpeg, nullptr, nullptr, &pixels));
    return pixels;
}

const QByteArray kErroneousHeader("\xFF\xD9\xFF\xD8", 4);
const QByteArray kStart("\xFF\xD8", 2);
const QByteArray kEnd("\xFF\xD9", 2);

}  // namespace

TEST(SwfImages, FormatByFirstBytes)
{
    EXPECT_EQ(ImageFormatOf(QByteArray("\x89PNG\r\n\x1A\n....", 12)), SwfImageFormat::Png);
    EXPECT_EQ(ImageFormatOf(QByteArray("GIF89a....")), SwfImageFormat::Gif);
    EXPECT_EQ(ImageFormatOf(QByteArray("GIF87a....")), SwfImageFormat::Gif);
    EXPECT_EQ(ImageFormatOf(QByteArray("\xFF\xD8\xFF\xE0", 4)), SwfImageFormat::Jpeg);
    EXPECT_EQ(ImageFormatOf(QByteArray("\x89PNG", 4)), SwfImageFormat::Jpeg) << "a cut signature is no PNG";
    EXPECT_EQ(QLatin1String(ImageExtension(SwfImageFormat::Png)), QLatin1String(".png"));
    EXPECT_EQ(QLatin1String(ImageExtension(SwfImageFormat::Gif)), QLatin1String(".gif"));
    EXPECT_EQ(QLatin1String(ImageExtension(SwfImageFormat::Jpeg)), QLatin1String(".jpg"));
}

// Every way movie tools store tables and image: the joined stream decodes to the pixels of
// the image the parts were cut from.
TEST(SwfImages, JoinedTablesAndImageDecodeWhateverTheLayout)
{
    const QByteArray jpeg = MakeJpeg(48, 40, 4);
    const QByteArray expected = Pixels(jpeg);
    const SplitJpeg both = SplitJpegTables(jpeg);
    const SplitJpeg quantOnly = SplitJpegTables(jpeg, {0xDB});
    const SplitJpeg huffmanOnly = SplitJpegTables(jpeg, {0xC4});
    const QByteArray bare = both.tables.mid(2, both.tables.size() - 4);  // no start or end marker
    QByteArray filled = both.tables;
    filled.insert(2, QByteArray(3, '\xFF'));  // fill bytes before a marker
    // The Huffman tables before the quantisation tables.
    const SplitJpeg huffman = SplitJpegTables(jpeg, {0xC4});
    const SplitJpeg quant = SplitJpegTables(jpeg, {0xDB});
    const QByteArray swapped
        = kStart + huffman.tables.mid(2, huffman.tables.size() - 4) + quant.tables.mid(2, quant.tables.size() - 4) + kEnd;
    const struct {
        const char* name;
        QByteArray tables;
        QByteArray image;
    } cases[] = {
        {"separate tables", both.tables, both.image},
        {"erroneous headers", kErroneousHeader + both.tables, kErroneousHeader + both.image},
        {"tables without markers around them", bare, both.image},
        {"fill bytes", filled, both.image},
        {"quantisation tables only, the image keeps its Huffman tables", quantOnly.tables, quantOnly.image},
        {"Huffman tables only", huffmanOnly.tables, huffmanOnly.image},
        {"tables in another order", swapped, both.image},
        {"tables and image as one datum", QByteArray(), both.tables + both.image},
        {"the same, behind an erroneous header", QByteArray(), kErroneousHeader + both.tables + both.image},
        {"no tables needed", QByteArray(), jpeg},
        {"tables that are not JPEG data", QByteArray("\xAB\xCD", 2), jpeg},
        {"tables with an image of their own", jpeg, jpeg},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray joined = JoinJpeg(c.tables, c.image);
        ASSERT_TRUE(joined.startsWith(kStart));
        EXPECT_EQ(Pixels(joined), expected);
    }
    // A complete image with no tables to add stays as it is, byte for byte.
    EXPECT_EQ(JoinJpeg(QByteArray(), jpeg), jpeg);
    EXPECT_EQ(JoinJpeg(QByteArray(), kErroneousHeader + jpeg), jpeg);
}

TEST(SwfImages, DataWithoutAScanGivesNothing)
{
    const QByteArray jpeg = MakeJpeg(16, 16, 1);
    const SplitJpeg split = SplitJpegTables(jpeg);
    EXPECT_TRUE(JoinJpeg(QByteArray(), split.tables).isEmpty());
    EXPECT_TRUE(JoinJpeg(QByteArray(), QByteArray("not a jpeg")).isEmpty());
    EXPECT_TRUE(JoinJpeg(QByteArray(), QByteArray()).isEmpty());
    // A segment whose length runs past the data.
    QByteArray cut = jpeg.left(30);
    cut[5] = static_cast<char>(0xFF);
    EXPECT_TRUE(JoinJpeg(QByteArray(), cut).isEmpty());
}

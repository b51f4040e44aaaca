#include "base/ByteReader.h"
#include "swf/SwfWriter.h"

#include <gtest/gtest.h>

TEST(SwfWriter, RectRoundTripsThroughTheReader)
{
    const struct {
        int32_t xMin, xMax, yMin, yMax;
    } cases[] = {{0, 11000, 0, 8000}, {0, 0, 0, 0}, {-200, 400, 100, 16383}, {0, 1, 0, 1}};
    for (const auto& c : cases) {
        ByteReader reader(EncodeRect(c.xMin, c.xMax, c.yMin, c.yMax));
        const int bits = static_cast<int>(reader.readUBits(5));
        EXPECT_EQ(reader.readSBits(bits), c.xMin);
        EXPECT_EQ(reader.readSBits(bits), c.xMax);
        EXPECT_EQ(reader.readSBits(bits), c.yMin);
        EXPECT_EQ(reader.readSBits(bits), c.yMax);
        EXPECT_TRUE(reader.ok());
    }
}

TEST(SwfWriter, WritesHeaderTagsAndLongHeaders)
{
    SwfWriter writer;
    writer.setVersion(8).setFrameSize(320, 240).setFrameRate(12.5).setBackgroundColor(0x12, 0x34, 0x56).showFrame();
    writer.addTag(2, QByteArray(3, 'a'), true);
    const QByteArray movie = writer.toBytes();
    ByteReader reader(movie);
    EXPECT_EQ(reader.readBytes(3), QByteArray("FWS"));
    EXPECT_EQ(reader.readU8(), 8);
    EXPECT_EQ(reader.readU32(), static_cast<uint32_t>(movie.size()));
    const int bits = static_cast<int>(reader.readUBits(5));
    reader.readUBits(bits);
    EXPECT_EQ(reader.readUBits(bits), 320u * 20);
    reader.readUBits(bits);
    EXPECT_EQ(reader.readUBits(bits), 240u * 20);
    EXPECT_EQ(reader.readU8(), 0x80);  // fraction of 12.5
    EXPECT_EQ(reader.readU8(), 12);
    EXPECT_EQ(reader.readU16(), 1);  // one ShowFrame
    EXPECT_EQ(reader.readU16(), (9 << 6) | 3);
    EXPECT_EQ(reader.readBytes(3), QByteArray::fromHex("123456"));
    EXPECT_EQ(reader.readU16(), 1 << 6);  // ShowFrame
    EXPECT_EQ(reader.readU16(), (2 << 6) | 63);
    EXPECT_EQ(reader.readU32(), 3u);
    reader.skip(3);
    EXPECT_EQ(reader.readU16(), 0);  // End
    EXPECT_TRUE(reader.atEnd());
    EXPECT_TRUE(reader.ok());
}

TEST(SwfWriter, CompressedMovieExpandsToThePlainOne)
{
    SwfWriter writer;
    writer.setVersion(10).setBackgroundColor(1, 2, 3).showFrame();
    const QByteArray plain = writer.toBytes(false);
    const QByteArray packed = writer.toBytes(true);
    EXPECT_EQ(packed.left(3), QByteArray("CWS"));
    EXPECT_EQ(packed.mid(4, 4), plain.mid(4, 4));  // same expanded length
    QByteArray body = packed.mid(8);
    // qUncompress wants the expanded size as a big-endian prefix.
    QByteArray prefixed = QByteArray(4, '\0');
    const auto n = static_cast<uint32_t>(plain.size() - 8);
    prefixed[0] = static_cast<char>(n >> 24);
    prefixed[1] = static_cast<char>(n >> 16);
    prefixed[2] = static_cast<char>(n >> 8);
    prefixed[3] = static_cast<char>(n);
    EXPECT_EQ(qUncompress(prefixed + body), plain.mid(8));
}

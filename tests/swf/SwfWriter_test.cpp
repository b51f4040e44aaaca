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
        const int bits = static_cast<int>(reader.ReadUBits(5));
        EXPECT_EQ(reader.ReadSBits(bits), c.xMin);
        EXPECT_EQ(reader.ReadSBits(bits), c.xMax);
        EXPECT_EQ(reader.ReadSBits(bits), c.yMin);
        EXPECT_EQ(reader.ReadSBits(bits), c.yMax);
        EXPECT_TRUE(reader.Ok());
    }
}

TEST(SwfWriter, WritesHeaderTagsAndLongHeaders)
{
    SwfWriter writer;
    writer.SetVersion(8).SetFrameSize(320, 240).SetFrameRate(12.5).SetBackgroundColor(0x12, 0x34, 0x56).ShowFrame();
    writer.AddTag(2, QByteArray(3, 'a'), true);
    const QByteArray movie = writer.ToBytes();
    ByteReader reader(movie);
    EXPECT_EQ(reader.ReadBytes(3), QByteArray("FWS"));
    EXPECT_EQ(reader.ReadU8(), 8);
    EXPECT_EQ(reader.ReadU32(), static_cast<uint32_t>(movie.size()));
    const int bits = static_cast<int>(reader.ReadUBits(5));
    reader.ReadUBits(bits);
    EXPECT_EQ(reader.ReadUBits(bits), 320u * 20);
    reader.ReadUBits(bits);
    EXPECT_EQ(reader.ReadUBits(bits), 240u * 20);
    EXPECT_EQ(reader.ReadU8(), 0x80);  // fraction of 12.5
    EXPECT_EQ(reader.ReadU8(), 12);
    EXPECT_EQ(reader.ReadU16(), 1);  // one ShowFrame
    EXPECT_EQ(reader.ReadU16(), (9 << 6) | 3);
    EXPECT_EQ(reader.ReadBytes(3), QByteArray::fromHex("123456"));
    EXPECT_EQ(reader.ReadU16(), 1 << 6);  // ShowFrame
    EXPECT_EQ(reader.ReadU16(), (2 << 6) | 63);
    EXPECT_EQ(reader.ReadU32(), 3u);
    reader.Skip(3);
    EXPECT_EQ(reader.ReadU16(), 0);  // End
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_TRUE(reader.Ok());
}

TEST(SwfWriter, CompressedMovieExpandsToThePlainOne)
{
    SwfWriter writer;
    writer.SetVersion(10).SetBackgroundColor(1, 2, 3).ShowFrame();
    const QByteArray plain = writer.ToBytes(false);
    const QByteArray packed = writer.ToBytes(true);
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

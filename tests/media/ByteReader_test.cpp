#include "media/ByteReader.h"
#include "media/SwfWriter.h"

#include <gtest/gtest.h>

TEST(ByteReader, ReadsLittleEndianNumbersAndFailsStickyAtTheEnd)
{
    ByteReader reader(QByteArray::fromHex("0102030405060708"));
    EXPECT_EQ(reader.readU8(), 0x01);
    EXPECT_EQ(reader.readU16(), 0x0302);
    EXPECT_EQ(reader.readU32(), 0x07060504u);
    EXPECT_TRUE(reader.ok());
    EXPECT_EQ(reader.readU16(), 0);  // only one byte left
    EXPECT_FALSE(reader.ok());
    EXPECT_EQ(reader.readU8(), 0);  // failure is sticky even though a byte remains
    EXPECT_TRUE(reader.readBytes(1).isEmpty());
}

TEST(ByteReader, BitFieldsAreMostSignificantFirstAcrossBytes)
{
    // 1011 0011 1100 0000: 5 bits = 10110 (22), then 3 bits 011, then signed 4 bits 1100 (-4)
    ByteReader reader(QByteArray::fromHex("b3c0"));
    EXPECT_EQ(reader.readUBits(5), 22u);
    EXPECT_EQ(reader.readUBits(3), 3u);
    EXPECT_EQ(reader.readSBits(4), -4);
    reader.alignBits();
    EXPECT_EQ(reader.readUBits(1), 0u);  // past the end
    EXPECT_FALSE(reader.ok());
}

TEST(ByteReader, SeekAndSkipAreChecked)
{
    ByteReader reader(QByteArray(10, 'x'));
    EXPECT_TRUE(reader.seek(10));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.skip(1));
    EXPECT_FALSE(reader.ok());
}

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

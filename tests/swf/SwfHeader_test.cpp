#include "base/ByteReader.h"
#include "swf/SwfHeader.h"
#include "swf/SwfTag.h"
#include "swf/SwfWriter.h"

#include <gtest/gtest.h>

TEST(SwfHeader, FileHeaderNamesTheCompressionBySignature)
{
    const struct {
        QByteArray bytes;
        SwfCompression compression;
        uint8_t version;
        uint32_t length;
    } cases[] = {
        {QByteArray("FWS\x0A\x9F\x06\x00\x00", 8), SwfCompression::None, 10, 1695},
        {QByteArray("CWS\x06\xFF\xFF\xFF\xFF", 8), SwfCompression::Zlib, 6, 0xFFFFFFFFu},
        {QByteArray("ZWS\x0D\x01\x00\x00\x00tail", 12), SwfCompression::Lzma, 13, 1},
        {QByteArray("cWS\x0A\x10\x00\x00\x00", 8), SwfCompression::Unknown, 10, 16},
        {QByteArray("FLV\x01\x05\x00\x00\x00", 8), SwfCompression::Unknown, 1, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.left(3).constData());
        ByteReader reader(c.bytes);
        SwfFileHeader header;
        ASSERT_TRUE(ReadSwfFileHeader(reader, header));
        EXPECT_EQ(header.signature, c.bytes.left(3));
        EXPECT_EQ(header.compression, c.compression);
        EXPECT_EQ(header.version, c.version);
        EXPECT_EQ(header.length, c.length);
        EXPECT_EQ(reader.Pos(), 8);
    }
    ByteReader shortData(QByteArray("FWS\x06\x10\x00", 6));
    SwfFileHeader header;
    EXPECT_FALSE(ReadSwfFileHeader(shortData, header));
    EXPECT_EQ(header.compression, SwfCompression::Unknown);
}

TEST(SwfHeader, LzmaHeaderFollowsTheFileHeader)
{
    ByteReader reader(QByteArray("ZWS\x0D\x40\x00\x00\x00\x31\x00\x00\x00\x5D\x00\x00\x20\x00\x00", 18));
    SwfFileHeader file;
    SwfLzmaHeader lzma;
    ASSERT_TRUE(ReadSwfFileHeader(reader, file));
    ASSERT_TRUE(ReadSwfLzmaHeader(reader, lzma));
    EXPECT_EQ(lzma.compressedLength, 0x31u);
    EXPECT_EQ(lzma.properties, QByteArray("\x5D\x00\x00\x20\x00", 5));
    EXPECT_EQ(reader.Pos(), kLzmaDataOffset);

    ByteReader cut(QByteArray("ZWS\x0D\x40\x00\x00\x00\x31\x00\x00\x00\x5D\x00", 14));
    ReadSwfFileHeader(cut, file);
    EXPECT_FALSE(ReadSwfLzmaHeader(cut, lzma));
}

TEST(SwfHeader, RectFieldsAreKeptAsReadAndSignedOnRequest)
{
    const struct {
        int32_t xMin, xMax, yMin, yMax;
    } cases[] = {
        {0, 11000, 0, 8000},
        {-20, 200, -400, 0},
        {0, 0, 0, 0},
        {-1, 1, -1, 1},
        {100000, 200000, -300000, 300000},
    };
    for (const auto& c : cases) {
        ByteReader reader(EncodeRect(c.xMin, c.xMax, c.yMin, c.yMax) + QByteArray("\xAB", 1));
        const SwfRect rect = ReadSwfRect(reader);
        EXPECT_EQ(rect.Signed(rect.xMin), c.xMin);
        EXPECT_EQ(rect.Signed(rect.xMax), c.xMax);
        EXPECT_EQ(rect.Signed(rect.yMin), c.yMin);
        EXPECT_EQ(rect.Signed(rect.yMax), c.yMax);
        EXPECT_EQ(reader.ReadU8(), 0xAB) << "left on the next whole byte";
        EXPECT_TRUE(reader.Ok());
    }
    // The unsigned field of a negative value is the bit pattern of the file.
    ByteReader reader(EncodeRect(-20, 200, 0, 200));
    const SwfRect rect = ReadSwfRect(reader);
    EXPECT_EQ(rect.xMin, (1u << rect.bits) - 20);

    // Five bits of width say 31 bits a field: 17 bytes, which two bytes cannot hold.
    ByteReader cut(QByteArray("\xF8\x00", 2));
    ReadSwfRect(cut);
    EXPECT_FALSE(cut.Ok());
}

TEST(SwfHeader, MovieHeaderGivesRateCountAndFirstTag)
{
    SwfWriter writer;
    writer.SetFrameSize(550, 400).SetFrameRate(12.5).SetFrameCount(300).SetBackgroundColor(1, 2, 3);
    const QByteArray movie = writer.ToBytes();
    ByteReader reader(movie);
    reader.Seek(kSwfFileHeaderSize);
    SwfMovieHeader header;
    ASSERT_TRUE(ReadSwfMovieHeader(reader, header));
    EXPECT_EQ(header.frame.xMax, 11000u);
    EXPECT_EQ(header.frame.yMax, 8000u);
    EXPECT_EQ(header.frameRate, 0x0C80);
    EXPECT_EQ(header.FrameRateInteger(), 12);
    EXPECT_DOUBLE_EQ(header.FrameRateValue(), 12.5);
    EXPECT_EQ(header.frameCount, 300);
    EXPECT_EQ(header.firstTagOffset, 21);  // 8 + a 9-byte RECT + rate + count
    SwfTagHeader tag;
    ASSERT_TRUE(ReadSwfTagHeader(reader, movie.size(), tag));
    EXPECT_EQ(tag.code, SwfTagCode::kSetBackgroundColor);

    // Cut inside the frame count.
    ByteReader cut(movie.left(20));
    cut.Seek(kSwfFileHeaderSize);
    EXPECT_FALSE(ReadSwfMovieHeader(cut, header));
}

TEST(SwfTag, ShortLongAndCutTagHeaders)
{
    const QByteArray tags = EncodeTag(9, QByteArray(3, 'c')) + EncodeTag(21, QByteArray(5, 'j'), true)
        + EncodeTag(14, QByteArray(70, 's')) + EncodeTag(0, QByteArray());
    ByteReader reader(tags);
    const struct {
        uint16_t code;
        uint32_t length;
        int headerSize;
    } expected[] = {{9, 3, 2}, {21, 5, 6}, {14, 70, 6}, {0, 0, 2}};
    for (const auto& e : expected) {
        SwfTagHeader tag;
        ASSERT_TRUE(ReadSwfTagHeader(reader, tags.size(), tag));
        EXPECT_EQ(tag.code, e.code);
        EXPECT_EQ(tag.length, e.length);
        EXPECT_EQ(tag.headerSize, e.headerSize);
        reader.Skip(tag.length);
    }
    SwfTagHeader tag;
    EXPECT_FALSE(ReadSwfTagHeader(reader, tags.size(), tag)) << "no header after the last tag";

    // A header that does not lie whole before the end is not read, and the reader stays put.
    const QByteArray longHead = EncodeTag(21, QByteArray(5, 'j'), true);
    for (const int end : {0, 1, 2, 5}) {
        ByteReader limited(longHead);
        EXPECT_FALSE(ReadSwfTagHeader(limited, end, tag)) << end;
        EXPECT_EQ(limited.Pos(), 0);
        EXPECT_TRUE(limited.Ok());
    }
    // An end beyond the data: the data's own end fails the reader.
    ByteReader cut(longHead.left(4));
    EXPECT_FALSE(ReadSwfTagHeader(cut, 100, tag));
    EXPECT_FALSE(cut.Ok());
}

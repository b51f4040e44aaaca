#include "base/ByteReader.h"

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

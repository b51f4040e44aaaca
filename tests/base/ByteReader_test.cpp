#include "base/ByteReader.h"

#include <gtest/gtest.h>

TEST(ByteReader, ReadsLittleEndianNumbersAndFailsStickyAtTheEnd)
{
    ByteReader reader(QByteArray::fromHex("0102030405060708"));
    EXPECT_EQ(reader.ReadU8(), 0x01);
    EXPECT_EQ(reader.ReadU16(), 0x0302);
    EXPECT_EQ(reader.ReadU32(), 0x07060504u);
    EXPECT_TRUE(reader.Ok());
    EXPECT_EQ(reader.ReadU16(), 0);  // only one byte left
    EXPECT_FALSE(reader.Ok());
    EXPECT_EQ(reader.ReadU8(), 0);  // failure is sticky even though a byte remains
    EXPECT_TRUE(reader.ReadBytes(1).isEmpty());
}

TEST(ByteReader, BitFieldsAreMostSignificantFirstAcrossBytes)
{
    // 1011 0011 1100 0000: 5 bits = 10110 (22), then 3 bits 011, then signed 4 bits 1100 (-4)
    ByteReader reader(QByteArray::fromHex("b3c0"));
    EXPECT_EQ(reader.ReadUBits(5), 22u);
    EXPECT_EQ(reader.ReadUBits(3), 3u);
    EXPECT_EQ(reader.ReadSBits(4), -4);
    reader.AlignBits();
    EXPECT_EQ(reader.ReadUBits(1), 0u);  // past the end
    EXPECT_FALSE(reader.Ok());
}

TEST(ByteReader, SeekAndSkipAreChecked)
{
    ByteReader reader(QByteArray(10, 'x'));
    EXPECT_TRUE(reader.Seek(10));
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.Skip(1));
    EXPECT_FALSE(reader.Ok());
}

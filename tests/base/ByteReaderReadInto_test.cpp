#include "base/ByteReader.h"

#include <QBuffer>
#include <QTemporaryFile>

#include <gtest/gtest.h>

// readInto, added for the extractor's tag loop: exact reads into reused storage, sticky failure.
TEST(ByteReaderReadInto, ReusesStorageAndFailsLikeReadBytes)
{
    ByteReader reader(QByteArray("abcdefgh", 8));
    QByteArray out;
    ASSERT_TRUE(reader.ReadInto(out, 5));
    EXPECT_EQ(out, QByteArray("abcde"));
    const char* storage = out.constData();
    ASSERT_TRUE(reader.ReadInto(out, 2));
    EXPECT_EQ(out, QByteArray("fg"));
    EXPECT_EQ(out.constData(), storage);  // shrinking keeps the storage
    EXPECT_FALSE(reader.ReadInto(out, 2));
    EXPECT_TRUE(out.isEmpty());
    EXPECT_FALSE(reader.Ok());
    EXPECT_EQ(reader.ReadU8(), 0);
}

TEST(ByteReaderReadInto, FileOpenedForReadingKeepsItsSize)
{
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write("0123456789");
    file.close();
    QFile readOnly(file.fileName());
    ASSERT_TRUE(readOnly.open(QIODevice::ReadOnly));
    ByteReader reader(&readOnly);
    EXPECT_EQ(reader.size(), 10);
    QByteArray out;
    ASSERT_TRUE(reader.ReadInto(out, 4));
    EXPECT_EQ(out, QByteArray("0123"));
    EXPECT_EQ(reader.Remaining(), 6);
    EXPECT_FALSE(reader.ReadInto(out, 7));

    // A device that is also written to is asked each time.
    QBuffer growing;
    growing.open(QIODevice::ReadWrite);
    ByteReader live(&growing);
    growing.write("xy");
    EXPECT_EQ(live.size(), 2);
}

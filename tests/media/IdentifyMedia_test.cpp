#include "MediaTestSupport.h"
#include "common/TestSupport.h"

#include "base/AppFolders.h"
#include "base/ByteReader.h"
#include "media/CompressedMovieCache.h"
#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"
#include "swf/SwfWriter.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(MediaFileInfo, ColorToHexIsUpperCaseZeroPaddedRedFirst)
{
    EXPECT_EQ(ColorToHex(0, 0, 0), QStringLiteral("000000"));
    EXPECT_EQ(ColorToHex(0xFF, 0x0A, 0x01), QStringLiteral("FF0A01"));
    EXPECT_EQ(ColorToHex(0x0B, 0xCD, 0xEF), QStringLiteral("0BCDEF"));
}

TEST(MediaFileInfo, ReadRectRoundsHalvesToEvenAndReadsUnsigned)
{
    const struct {
        int32_t xMin, xMax, yMin, yMax;
        int width, height;
    } cases[] = {
        {0, 11000, 0, 8000, 550, 400}, {0, 30, 0, 50, 2, 2},  // 1.5 -> 2, 2.5 -> 2
        {0, 70, 0, 90, 4, 4},                                 // 3.5 -> 4, 4.5 -> 4
        {0, 0, 0, 0, 0, 0}, {0, 65535, 0, 1, 3277, 0},        // the widest 16-bit field
    };
    for (const auto& c : cases) {
        ByteReader reader(EncodeRect(c.xMin, c.xMax, c.yMin, c.yMax) + QByteArray("\xAB", 1));
        MediaFileInfo info;
        const FrameRect rect = ReadRect(reader, info);
        EXPECT_EQ(rect.xMax, c.xMax);
        EXPECT_EQ(info.Width, c.width);
        EXPECT_EQ(info.Height, c.height);
        EXPECT_EQ(reader.ReadU8(), 0xAB);  // left on the next whole byte
    }
    // A negative Xmin is read as the unsigned field it is stored as.
    ByteReader reader(EncodeRect(-20, 200, 0, 200));
    MediaFileInfo info;
    EXPECT_GT(ReadRect(reader, info).xMin, 20);
}

class IdentifyTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) { return WriteFile(m_dir.path(), name, bytes); }

    TempAppFolder m_app;
    QTemporaryDir m_dir;
};

TEST_F(IdentifyTest, PlainMovieFillsTheRecord)
{
    SwfWriter writer;
    writer.SetVersion(7).SetFrameSize(550, 400).SetFrameRate(12.5).SetBackgroundColor(0xFF, 0x80, 0x00).ShowFrame();
    writer.ShowFrame().ShowFrame();
    const QByteArray movie = writer.ToBytes();
    const QString path = Write(QStringLiteral("intro.swf"), movie);
    MediaFileInfo info;
    ASSERT_EQ(IdentifyMedia(path, info, false), QString());
    EXPECT_EQ(info.Version, 7);
    EXPECT_FALSE(info.Compressed);
    EXPECT_EQ(info.UncompressedSize, movie.size());
    EXPECT_EQ(info.FileSize, movie.size());
    EXPECT_EQ(info.Width, 550);
    EXPECT_EQ(info.Height, 400);
    EXPECT_EQ(info.FrameRate, 12.0f);  // 12.5 keeps its integer part
    EXPECT_EQ(info.FrameCount, 3);
    EXPECT_EQ(info.WorkingPath, path);
    EXPECT_EQ(info.SourcePath, path);
    EXPECT_EQ(info.FileName, QStringLiteral("intro.swf"));
    EXPECT_EQ(info.BackgroundColor, QStringLiteral("FF8000"));
    // 8 header bytes, a 9-byte RECT (5 + 4 x 15 bits), rate and count: the tag starts at byte 22.
    EXPECT_EQ(info.FirstTagPosition, 22);
    EXPECT_EQ(m_app.LogBody(), QStringList({QStringLiteral("Ordinary File"), QStringLiteral(" ... "), QStringLiteral("Ok<br>")}));
}

TEST_F(IdentifyTest, FirstTagThatIsNotTheBackgroundGivesItsBytes)
{
    SwfWriter writer;
    writer.AddFileAttributes(true).SetBackgroundColor(1, 2, 3).ShowFrame();
    MediaFileInfo info;
    ASSERT_EQ(IdentifyMedia(Write(QStringLiteral("as3.swf"), writer.ToBytes()), info, false), QString());
    EXPECT_EQ(info.BackgroundColor, QStringLiteral("080000"));  // the FileAttributes flags
}

TEST_F(IdentifyTest, CompressedMovieIsReadFromTheHeaderFileAndReused)
{
    const QByteArray movie = MakeTestMovie(8, true);
    const QString path = Write(QStringLiteral("packed.swf"), movie);
    MediaFileInfo info;
    ASSERT_EQ(IdentifyMedia(path, info, false), QString());
    EXPECT_TRUE(info.Compressed);
    EXPECT_EQ(info.WorkingPath, path);  // the control plays the compressed file
    EXPECT_EQ(info.UncompressedSize, MakeTestMovie(8, false).size());
    EXPECT_EQ(info.FileSize, movie.size());
    EXPECT_EQ(info.Width, 320);
    EXPECT_EQ(info.BackgroundColor, QStringLiteral("336699"));
    const QString header = CachePathFor(path, QStringLiteral(".tmp"), true, false);
    EXPECT_EQ(QFileInfo(header).size(), 26);

    MediaFileInfo again;
    ASSERT_EQ(IdentifyMedia(path, again, false), QString());
    EXPECT_EQ(again.Width, 320);
    EXPECT_EQ(m_app.LogBody().count(QStringLiteral("Header exists - skipping<br>")), 1);
}

TEST_F(IdentifyTest, FullExpansionMovesThePaths)
{
    const QString path = Write(QStringLiteral("packed.swf"), MakeTestMovie(8, true));
    MediaFileInfo info;
    ASSERT_EQ(IdentifyMedia(path, info, true), QString());
    const QString expanded = CachePathFor(path, QStringLiteral(".tmp"), true, false);
    EXPECT_EQ(info.WorkingPath, expanded);
    EXPECT_EQ(info.SourcePath, path);
    QByteArray plain = MakeTestMovie(8, false);
    EXPECT_EQ(ReadAll(expanded), plain);
    EXPECT_EQ(info.FrameCount, 2);
}

TEST_F(IdentifyTest, CompressedVersionFiveIsReadAsPlain)
{
    QByteArray movie = MakeTestMovie(5, true);
    const QString path = Write(QStringLiteral("v5.swf"), movie);
    MediaFileInfo info;
    ASSERT_EQ(IdentifyMedia(path, info, false), QString());
    EXPECT_FALSE(info.Compressed);
    EXPECT_EQ(info.Version, 5);
    EXPECT_EQ(info.WorkingPath, path);
    EXPECT_FALSE(QFileInfo::exists(CachePathFor(path, QStringLiteral(".tmp"), true, false)));
    EXPECT_TRUE(m_app.LogBody().startsWith(QStringLiteral("Compressed File")));
}

TEST_F(IdentifyTest, UnknownAndMissingFilesGiveTheirTexts)
{
    MediaFileInfo info;
    EXPECT_EQ(IdentifyMedia(Write(QStringLiteral("a.txt"), QByteArray("hello world")), info, false),
        QStringLiteral("Not a Flash Movie"));
    EXPECT_TRUE(m_app.LogBody().contains(QStringLiteral("Unknown signature (hel)<br>")));
    EXPECT_EQ(IdentifyMedia(Write(QStringLiteral("empty.swf"), QByteArray()), info, false), QStringLiteral("Not a Flash Movie"));
    EXPECT_EQ(IdentifyMedia(m_dir.path() + QStringLiteral("/gone.swf"), info, false), QStringLiteral("File not found"));
    EXPECT_TRUE(info.SourcePath.isEmpty());
    // A header that ends inside the RECT: the platform's reason, and the record is reset.
    EXPECT_EQ(IdentifyMedia(Write(QStringLiteral("cut.swf"), MakeTestMovie().left(12)), info, false),
        QStringLiteral("Input past end of file"));
    EXPECT_EQ(info.Width, 0);
    EXPECT_TRUE(info.FileName.isEmpty());
}

TEST_F(IdentifyTest, CompressedMovieWithoutCacheFolderFails)
{
    QDir(Folders().cache).removeRecursively();
    MediaFileInfo info;
    EXPECT_EQ(IdentifyMedia(Write(QStringLiteral("p.swf"), MakeTestMovie(9, true)), info, false),
        QStringLiteral("Error Reading Compressed Movie"));
    EXPECT_FALSE(info.Compressed);
}

TEST_F(IdentifyTest, VideoGetsItsSizeAndTheWrapperAddress)
{
    // Picture size code 5 (101) sits in bits 6 to 8 of the bytes at offset 28.
    const QByteArray video = MakeTestVideo(QByteArray::fromHex("028000000000"));
    const QString path = Write(QStringLiteral("clip.flv"), video);
    MediaFileInfo info;
    ASSERT_EQ(IdentifyMedia(path, info, false), QString());
    EXPECT_TRUE(info.IsVideo);
    EXPECT_EQ(info.Version, 1);
    EXPECT_EQ(info.UncompressedSize, video.size());
    EXPECT_EQ(info.Width, 320);
    EXPECT_EQ(info.Height, 240);
    EXPECT_EQ(info.FrameRate, 0);
    EXPECT_EQ(info.BackgroundColor, QStringLiteral("000000"));
    EXPECT_TRUE(info.WorkingPath.startsWith(Folders().flash + QStringLiteral("video.swf?myXML=")));
    EXPECT_EQ(QString::fromUtf8(ReadAll(Folders().flash + QStringLiteral("video.xml"))),
        QStringLiteral("<?xml version=\"1.0\"?><VIDEO><SOURCE>") + path
            + QStringLiteral("</SOURCE><WIDTH>320</WIDTH><HEIGHT>240</HEIGHT><FRAMES>0</FRAMES></VIDEO>"));
    EXPECT_EQ(m_app.LogBody(), QStringList({QStringLiteral("Flash Video"), QStringLiteral(" ... "), QStringLiteral("Ok<br>")}));
}

TEST_F(IdentifyTest, DamagedMoviesNeverCrash)
{
    const QList<QByteArray> movies = {MakeTestMovie(6, false), MakeTestMovie(9, true), MakeTestVideo(QByteArray(6, '\x55'))};
    int n = 0;
    for (const QByteArray& movie : movies) {
        for (int length = 0; length <= movie.size(); ++length) {
            MediaFileInfo info;
            const QString path = Write(QStringLiteral("t%1.bin").arg(n++), movie.left(length));
            const QString error = IdentifyMedia(path, info, true);
            if (!error.isEmpty()) {
                EXPECT_TRUE(info.SourcePath.isEmpty());
            }
        }
    }
    // Cut-short compressed bodies expand what they hold; the header is complete early on.
    const QByteArray packed = MakeTestMovie(9, true);
    MediaFileInfo info;
    EXPECT_EQ(IdentifyMedia(Write(QStringLiteral("half.swf"), packed.left(packed.size() - 4)), info, true), QString());
    EXPECT_EQ(info.Width, 320);
}

#include "MediaTestSupport.h"
#include "common/TestSupport.h"

#include "base/AppFolders.h"
#include "base/ByteReader.h"
#include "media/FlashVideo.h"
#include "media/MediaFileInfo.h"

#include <QThread>
#include <QUrlQuery>

#include <gtest/gtest.h>

TEST(FlashVideo, PictureSizeCodes)
{
    const struct {
        const char* bits;
        bool known;
        int width, height;
    } cases[] = {
        {"000000000000", true, 0, 0},        // code 0, both fields 0
        {"0064 4b 000000", true, 200, 150},  // code 0: 8-bit fields at bits 9 and 17
        {"00806400 9600", true, 200, 300},   // code 1: 16-bit fields at bits 9 and 25
        {"010000000000", true, 352, 288},    // code 2
        {"018000000000", true, 176, 144},    // code 3
        {"020000000000", true, 128, 96},     // code 4
        {"028000000000", true, 320, 240},    // code 5
        {"030000000000", true, 160, 120},    // code 6
        {"038000000000", true, 640, 480},    // code 7
        {"FFFFFFFFFFFF", true, 640, 480},    // bits before and after the code do not matter
        {"02", true, 128, 96},               // short input reads as zeros
    };
    for (const auto& c : cases) {
        int width = -1, height = -1;
        EXPECT_EQ(DecodeVideoFrameSize(QByteArray::fromHex(c.bits), &width, &height), c.known) << c.bits;
        EXPECT_EQ(width, c.width) << c.bits;
        EXPECT_EQ(height, c.height) << c.bits;
    }
}

TEST(EncodeUrlText, CodesBelowSixtyFiveAndAboveAsciiArePercentEncoded)
{
    EXPECT_EQ(EncodeUrlText(QStringLiteral("a b.swf")), QStringLiteral("a%20b%2Eswf"));
    EXPECT_EQ(EncodeUrlText(QStringLiteral("C:\\Data_9\\x")), QStringLiteral("C%3A\\Data_%39\\x"));
    EXPECT_EQ(EncodeUrlText(QStringLiteral("/home/ann/Vid\u00e9o")), QStringLiteral("%2Fhome%2Fann%2FVid%C3%A9o"));
    EXPECT_EQ(EncodeUrlText(QStringLiteral("x\u00b9y")), QStringLiteral("xy"));  // superscript one is dropped
    EXPECT_EQ(EncodeUrlText(QStringLiteral("@AZ`z~\u007f")), QStringLiteral("%40AZ`z~\u007f"));
    EXPECT_EQ(EncodeUrlText(QString::fromUtf8("\xF0\x9F\x8E\xAC")), QStringLiteral("%F0%9F%8E%AC"));
    EXPECT_EQ(EncodeUrlText(QString()), QString());
}

TEST(FlashVideo, WrapperAddressNamesTheDescriptionAndChangesWithTime)
{
    TempAppFolder app;
    MediaFileInfo info;
    info.WorkingPath = QStringLiteral("/videos/a.flv");
    ByteReader reader(QByteArray::fromHex("038000000000"));
    WrapFlashVideo(reader, info);
    const QString first = info.WorkingPath;
    const QString prefix = Folders().flash + QStringLiteral("video.swf?myXML=")
        + EncodeUrlText(Folders().flash + QStringLiteral("video.xml")) + QStringLiteral("&time=");
    EXPECT_TRUE(first.startsWith(prefix)) << first.toStdString();
    EXPECT_EQ(info.Width, 640);
    EXPECT_TRUE(QString::fromUtf8(ReadAll(Folders().flash + QStringLiteral("video.xml")))
                    .contains(QStringLiteral("<SOURCE>/videos/a.flv</SOURCE>")));

    QThread::msleep(5);
    MediaFileInfo second;
    second.WorkingPath = QStringLiteral("/videos/b.flv");
    ByteReader other(QByteArray::fromHex("028000000000"));
    WrapFlashVideo(other, second);
    EXPECT_NE(second.WorkingPath, first);
    EXPECT_TRUE(second.WorkingPath.startsWith(prefix));
    const QString xml = QString::fromUtf8(ReadAll(Folders().flash + QStringLiteral("video.xml")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<SOURCE>/videos/b.flv</SOURCE><WIDTH>320</WIDTH><HEIGHT>240</HEIGHT>")));
}

TEST(FlashVideo, PathThatIsNotXmlTextWritesNoDescription)
{
    TempAppFolder app;
    MediaFileInfo info;
    info.WorkingPath = QStringLiteral("/videos/a<b.flv");
    ByteReader reader(QByteArray::fromHex("028000000000"));
    WrapFlashVideo(reader, info);
    EXPECT_FALSE(QFile::exists(Folders().flash + QStringLiteral("video.xml")));
    EXPECT_TRUE(info.WorkingPath.contains(QStringLiteral("video.swf?myXML=")));  // set all the same
}

// Real videos begin with a metadata tag: the first picture further on gives their size, as the
// independent manifest of the corpus reads it; videos without a Sorenson picture give none.
TEST(FlashVideo, TheFirstSorensonPictureGivesTheSizeOfVideosThatBeginWithMetadata)
{
    SKIP_WITHOUT_CORPUS();
    struct Case {
        const char* file;
        int width;  // 0: no size
        int height;
    };
    const Case cases[] = {
        {"breakdance.flv", 320, 240},
        {"square.flv", 128, 96},
        {"ruffle-netstream_seek_flv-test_video.flv", 352, 288},
        {"ruffle-netstream_play_stop_replay-test.flv", 320, 233},
        {"dummy.flv", 8, 8},
        {"rufflelogo.flv", 0, 0},
        {"hsv.flv", 0, 0},
        {"tone_stereo_44100hz.flv", 0, 0},
    };
    for (const Case& c : cases) {
        const QByteArray bytes = ReadAll(CorpusDir() + QStringLiteral("/flv/") + QLatin1String(c.file));
        int width = 0;
        int height = 0;
        EXPECT_EQ(FindVideoFrameSize(bytes, &width, &height), c.width > 0) << c.file;
        EXPECT_EQ(width, c.width) << c.file;
        EXPECT_EQ(height, c.height) << c.file;
        // A file cut anywhere ends the search cleanly.
        for (qsizetype cut : {qsizetype(3), qsizetype(13), qsizetype(30), bytes.size() / 2})
            FindVideoFrameSize(bytes.left(cut), &width, &height);
    }
    int width = 0;
    int height = 0;
    EXPECT_FALSE(FindVideoFrameSize(QByteArray("not a video at all"), &width, &height));
}

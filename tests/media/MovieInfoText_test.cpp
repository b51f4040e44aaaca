#include "MediaTestSupport.h"
#include "common/TestSupport.h"

#include "base/ShellServices.h"
#include "base/XmlDocument.h"
#include "lang/Language.h"
#include "media/MediaFileInfo.h"
#include "media/MovieInfoText.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(FormatTime, MinutesAndTwoDigitSeconds)
{
    const struct {
        double frames, rate;
        const char* text;
    } cases[] = {
        {1000, 12, "1:23"},
        {100, 12, "0:08"},
        {719, 12, "1:00"},  // 59.92 s: the seconds round up to a full minute
        {0, 12, "0:00"},
        {500, 0, "0:00"},  // Flash Video
        {30, 12, "0:02"},  // 2.5 s: halves go to even
        {42, 12, "0:04"},  // 3.5 s
        {65535, 1, "1092:15"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatTime(c.frames, c.rate), QLatin1String(c.text)) << c.frames << " at " << c.rate;
}

class MovieInfoTest : public ::testing::Test {
protected:
    MediaFileInfo Movie(int fileSize, double expanded)
    {
        MediaFileInfo info;
        info.FileName = QStringLiteral("intro.swf");
        info.SourcePath = WriteFile(m_dir.path(), info.FileName, QByteArray(fileSize, 'x'));
        info.FileSize = fileSize;
        info.UncompressedSize = expanded;
        info.Version = 6;
        info.FrameCount = 1000;
        info.FrameRate = 12;
        info.Width = 550;
        info.Height = 400;
        return info;
    }

    QTemporaryDir m_dir;
};

TEST_F(MovieInfoTest, CompressedMovieShowsItsShareAndBothSizes)
{
    MediaFileInfo info = Movie(40000, 100000);
    info.Compressed = true;
    const MovieInfoTexts texts = ComposeMovieInfo(info);
    EXPECT_EQ(texts.name, QStringLiteral("intro.swf"));
    EXPECT_EQ(texts.fileName, QStringLiteral("File: ") + info.SourcePath);
    EXPECT_EQ(texts.fileNameToolTip, info.SourcePath);
    EXPECT_EQ(texts.version, QStringLiteral("Version: 6"));
    EXPECT_EQ(texts.time, QStringLiteral("Length: 1:23 (1000)"));
    EXPECT_EQ(texts.note, QStringLiteral("Compression: 40% of Original"));
    EXPECT_EQ(texts.size,
        QStringLiteral("Size: ") + FormatByteSize(40000) + QStringLiteral(" (") + FormatByteSize(100000) + QStringLiteral(")"));
    EXPECT_EQ(texts.metrix, QStringLiteral("Dimensions: 550 x 400 @ 12 fps"));
}

TEST_F(MovieInfoTest, NotesFollowTheKindOfFile)
{
    MediaFileInfo partial = Movie(25000, 100000);
    EXPECT_EQ(ComposeMovieInfo(partial).note, QStringLiteral("Only 25% Downloaded"));

    MediaFileInfo third = Movie(1000, 3000);
    third.Compressed = true;
    EXPECT_EQ(ComposeMovieInfo(third).note, QStringLiteral("Compression: 33.3% of Original"));

    MediaFileInfo whole = Movie(5000, 5000);
    const MovieInfoTexts plain = ComposeMovieInfo(whole);
    EXPECT_EQ(plain.note, QString());
    EXPECT_EQ(plain.size, QStringLiteral("Size: ") + FormatByteSize(5000));

    MediaFileInfo projector = Movie(9000, 5000);
    projector.IsProjector = true;
    projector.Compressed = true;
    EXPECT_EQ(ComposeMovieInfo(projector).note, QStringLiteral("Projector"));  // the later step wins

    MediaFileInfo video = Movie(3000, 3000);
    video.IsVideo = true;
    video.Version = 1;
    video.FrameCount = 0;
    video.FrameRate = 0;
    const MovieInfoTexts videoTexts = ComposeMovieInfo(video);
    EXPECT_EQ(videoTexts.note, QStringLiteral("Flash Video"));
    EXPECT_EQ(videoTexts.time, QStringLiteral("Length: 0:00 (0)"));
    EXPECT_EQ(videoTexts.version, QStringLiteral("Version: 1"));
    EXPECT_EQ(videoTexts.metrix, QStringLiteral("Dimensions: 550 x 400 @ 0 fps"));
}

TEST_F(MovieInfoTest, SharesFollowTheDecimalSeparatorButAreNeverGrouped)
{
    // A compressed movie whose header claims less than the file holds: a share above 1000.
    MediaFileInfo info = Movie(123450, 10000);
    info.Compressed = true;
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString english = ComposeMovieInfo(info).note;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString german = ComposeMovieInfo(info).note;
    QLocale::setDefault(saved);
    EXPECT_EQ(english, QStringLiteral("Compression: 1234.5% of Original"));
    EXPECT_EQ(german, QStringLiteral("Compression: 1234,5% of Original"));
}

TEST_F(MovieInfoTest, MissingOrTinySourceFillsLess)
{
    MediaFileInfo gone = Movie(100, 100);
    QFile::remove(gone.SourcePath);
    MovieInfoTexts texts = ComposeMovieInfo(gone);
    EXPECT_EQ(texts.version, QString());
    EXPECT_EQ(texts.time, QStringLiteral("Length"));  // keeps its title
    EXPECT_EQ(texts.fileName, QStringLiteral("File: ") + gone.SourcePath);

    MediaFileInfo tiny = Movie(7, 7);
    texts = ComposeMovieInfo(tiny);
    EXPECT_EQ(texts.version, QStringLiteral("Version"));
    EXPECT_EQ(texts.size, QStringLiteral("Size"));

    // No expanded size: the share cannot be given; what came before it stays.
    MediaFileInfo zero = Movie(100, 0);
    zero.Compressed = true;
    texts = ComposeMovieInfo(zero);
    EXPECT_EQ(texts.time, QStringLiteral("Length: 1:23 (1000)"));
    EXPECT_EQ(texts.size, QStringLiteral("Size"));
}

TEST_F(MovieInfoTest, BuiltInTextsAreThoseOfTheShippedEnglishFile)
{
    XmlDocument english;
    ASSERT_TRUE(english.load(SourceDir() + QStringLiteral("/data/Languages/English.xml")));
    const InfoTextLookup lookup = [&](const QString& key, const QString& fallback) {
        return GetXmlText(english.AsNode(), QStringLiteral("LANG/") + key.toUpper() + QStringLiteral("/@text"), fallback);
    };
    MediaFileInfo compressed = Movie(40000, 100000);
    compressed.Compressed = true;
    MediaFileInfo partial = Movie(25000, 100000);
    MediaFileInfo projector = Movie(9000, 5000);
    projector.IsProjector = true;
    MediaFileInfo video = Movie(3000, 3000);
    video.IsVideo = true;
    for (const MediaFileInfo& info : {compressed, partial, projector, video}) {
        const MovieInfoTexts builtIn = ComposeMovieInfo(info);
        const MovieInfoTexts shipped = ComposeMovieInfo(info, lookup);
        EXPECT_EQ(builtIn.fileName, shipped.fileName);
        EXPECT_EQ(builtIn.version, shipped.version);
        EXPECT_EQ(builtIn.time, shipped.time);
        EXPECT_EQ(builtIn.size, shipped.size);
        EXPECT_EQ(builtIn.metrix, shipped.metrix);
        EXPECT_EQ(builtIn.note, shipped.note);
    }
}

TEST_F(MovieInfoTest, TextsComeFromTheLanguageLookup)
{
    MediaFileInfo info = Movie(25000, 100000);
    QStringList asked;
    const InfoTextLookup lookup = [&](const QString& key, const QString& fallback) {
        asked << key;
        if (key == QStringLiteral("frmInfo/strOnlyBefore"))
            return QStringLiteral("Nur");
        if (key == QStringLiteral("frmInfo/lblTime"))
            return QStringLiteral("Dauer");
        return fallback;
    };
    const MovieInfoTexts texts = ComposeMovieInfo(info, lookup);
    EXPECT_EQ(texts.note, QStringLiteral("Nur 25% Downloaded"));
    EXPECT_EQ(texts.time, QStringLiteral("Dauer: 1:23 (1000)"));
    EXPECT_TRUE(asked.contains(QStringLiteral("frmInfo/strOnlyAfter")));

    MediaFileInfo video = Movie(10, 10);
    video.IsVideo = true;
    ComposeMovieInfo(video, lookup);
    EXPECT_TRUE(asked.contains(QStringLiteral("BrowseMedia/strVideo")));
}

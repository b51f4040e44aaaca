#include "PlayerTestSupport.h"

#include "base/AppFolders.h"
#include "media/FlashVideo.h"

#include <QAction>

namespace {

// A Flash Video whose first picture says 320 x 240 (Sorenson picture size code 5).
QByteArray VideoBytes()
{
    QByteArray bytes = QByteArray::fromHex("464C5601010000000900000000");  // header, first tag size
    const QByteArray data = QByteArray::fromHex("22"
                                                "000084"
                                                "0280"
                                                "00000000"
                                                "0000000000");
    bytes += char(9);
    bytes += QByteArray::fromHex("0000") + char(data.size());
    bytes += QByteArray(7, '\0');
    return bytes + data + QByteArray::fromHex("00000018");
}

}  // namespace

// A video plays through the wrapper movie, which may read the video's folder.
TEST_F(PlayerTest, AVideoIsShownThroughTheWrapperWhichMayReadItsFolder)
{
    const QString video = WriteFile(QStringLiteral("clips/my clip.flv"), VideoBytes());
    MakePlayer();
    Swf().calls.clear();
    player().LoadFlash(video, QString(), false);

    const QStringList calls = Swf().calls;
    const qsizetype allow = calls.indexOf(QStringLiteral("AllowFolder ") + FolderPath() + QStringLiteral("clips/"));
    const QString address = Folders().flash + QStringLiteral("video.swf?myXML=")
        + EncodeUrlText(Folders().flash + QStringLiteral("video.xml")) + QStringLiteral("&time=");
    const QStringList loads = calls.filter(QStringLiteral("LoadMovie 0 ") + address);
    ASSERT_EQ(loads.size(), 1) << calls.join(QLatin1Char('\n')).toStdString();
    EXPECT_GE(allow, 0);
    EXPECT_LT(allow, calls.indexOf(loads[0]));
    EXPECT_EQ(ReadAll(Folders().flash + QStringLiteral("video.xml")),
        QStringLiteral("<?xml version=\"1.0\"?><VIDEO><SOURCE>%1</SOURCE><WIDTH>320</WIDTH><HEIGHT>240</HEIGHT>"
                       "<FRAMES>0</FRAMES></VIDEO>")
            .arg(video)
            .toUtf8());
    // A video is the user's: it counts as played, is remembered, and is no interface movie; the
    // playback menu belongs to movies.
    EXPECT_FALSE(player().IsInterfaceMovie());
    EXPECT_EQ(player().RecentFiles().value(0), video);
    EXPECT_FALSE(player().MenuItem(QStringLiteral("MenuPlayback"))->isEnabled());
    EXPECT_EQ(player().windowTitle(), QStringLiteral("Vorlen - my clip.flv"));
}

// The wrapper alone is one frame; the end of a video is its last frame once the wrapper counts
// the video's time.
TEST_F(PlayerTest, TheEndOfAVideoIsSeenOnceTheWrapperToldItsLength)
{
    const QString video = WriteFile(QStringLiteral("a.flv"), VideoBytes());
    const QString next = WriteMovie(QStringLiteral("b.swf"));
    MakePlayer();
    player().PlayPaths({video, next});
    player().RunCommand(QStringLiteral("mnuNonStop"));
    Swf().SetTotalFrames(1);
    Swf().SetCurrentFrame(0);
    player().TimerTick();
    EXPECT_EQ(player().MediaInfo().SourcePath, video);
    Swf().SetTotalFrames(125);
    Swf().SetCurrentFrame(100);
    player().TimerTick();
    EXPECT_EQ(player().MediaInfo().SourcePath, video);
    Swf().SetCurrentFrame(124);
    player().TimerTick();
    EXPECT_EQ(player().MediaInfo().SourcePath, next);
    EXPECT_EQ(player().playlist().PLCurrent(), 1);
}

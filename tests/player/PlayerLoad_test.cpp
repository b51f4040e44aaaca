#include "PlayerTestSupport.h"

#include "base/AppFolders.h"
#include "media/FlashVideo.h"
#include "options/RegistryStore.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace {

int IndexOf(const QStringList& lines, const QString& start, int from = 0)
{
    for (int i = from; i < lines.size(); ++i) {
        if (lines[i].startsWith(start))
            return i;
    }
    return -1;
}

}  // namespace

TEST_F(PlayerTest, LoadFlashHandsTheMovieToTheControlThenAppliesTheSettingsInOrder)
{
    const QString movie = WriteMovie(QStringLiteral("movies/clip one.swf"), TestMovie{320, 240, 24, 48});
    MakePlayer();
    Swf().calls.clear();
    player().LoadFlash(QLatin1Char('"') + movie + QStringLiteral("?name=value\""), QString(), false);

    const QStringList& calls = Swf().calls;
    const int load = calls.indexOf(QStringLiteral("LoadMovie 0 ") + movie + QStringLiteral("?name=value"));
    ASSERT_GE(load, 0) << calls.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(calls.mid(load + 1, 5),
        QStringList({QStringLiteral("SetVariable _alpha 100"), QStringLiteral("BGColor 204060"), QStringLiteral("Loop False"),
            QStringLiteral("LoadMovie 6000 ") + Folders().flash + QStringLiteral("sound.swf?volume=100&pan=0&x=320&y=240"),
            QStringLiteral("BGColor 204060")}));
    EXPECT_EQ(player().windowTitle(), QStringLiteral("Vorlen - clip one.swf"));
    EXPECT_EQ(player().MovieTitle(), QStringLiteral("clip one.swf"));
    EXPECT_EQ(player().MediaInfo().FrameCount, 48);
    EXPECT_FALSE(player().IsInterfaceMovie());
    EXPECT_EQ(m_options.played, 1);
    EXPECT_EQ(m_recent.Tag(0), movie);
    EXPECT_EQ(player().MenuItem(QStringLiteral("mnuMRU"), 0)->data().toString(), movie);
    EXPECT_TRUE(player().MenuItem(QStringLiteral("MenuPlayback"))->isEnabled());

    const QStringList log = LogBody();
    const int header = log.lastIndexOf(QStringLiteral(" :: LoadFlash ("));
    ASSERT_GE(header, 0);
    EXPECT_EQ(log.value(header + 1), movie + QStringLiteral(")...<br>"));
}

TEST_F(PlayerTest, AGivenTitleIsTheCaptionAndMenusFollowFeaturesAndTheMovieKind)
{
    const QString movie = WriteMovie(QStringLiteral("a.swf"));
    m_extensions.offered = {PlayerFeature::Info, PlayerFeature::Convert};
    MakePlayer();
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuInfo"))->isEnabled());  // no movie yet
    player().LoadFlash(movie, QStringLiteral("My Title"), false);
    EXPECT_EQ(player().windowTitle(), QStringLiteral("Vorlen - My Title"));
    EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuInfo"))->isEnabled());
    EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuConvert"))->isEnabled());
    EXPECT_EQ(player().MenuItem(QStringLiteral("mnuConvert"))->text(), QStringLiteral("Convert to EXE"));
    // Features nobody offers stay disabled whatever the movie.
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuExtract"))->isEnabled());
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuShowFile"))->isEnabled());
    EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuPopPlay"))->isVisible());

    // The Info menu runs the feature for the movie shown.
    player().MenuItem(QStringLiteral("mnuInfo"))->trigger();
    EXPECT_EQ(m_extensions.runs, QStringList{QString::number(int(PlayerFeature::Info)) + QLatin1Char(' ') + movie});
}

TEST_F(PlayerTest, FailedLoadsShowTheirTextOnTheWelcomeScreenAndTouchNoFile)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* logLine;  // "" when identification reports the failure itself
        const char* failure;
    };
    const Case cases[] = {
        {"empty.swf", QByteArray(), "File is too short!", "File is Too Small to Be Valid"},
        {"five.swf", QByteArray("FWS\x08\x10", 5), "File is too short!", "File is Too Small to Be Valid"},
        {"damaged.swf", QByteArray("this is no movie at all"), "", "Not a Flash Movie"},
    };
    MakePlayer();
    for (const Case& c : cases) {
        const QString path = WriteFile(QLatin1String(c.name), c.bytes);
        const QDateTime modified = QFileInfo(path).lastModified();
        Swf().calls.clear();
        Mark();
        player().LoadFlash(path, QString(), false);
        const QStringList log = LogSinceMark();
        if (*c.logLine) {
            EXPECT_GE(log.indexOf(QLatin1String(c.logLine) + QStringLiteral("<br>")), 0) << c.name;
        }
        const int closed = log.indexOf(QStringLiteral(" :: Close Flash<br>"));
        const int failed
            = log.indexOf(QStringLiteral("Failed to load, since ") + QLatin1String(c.failure) + QStringLiteral("<br>"));
        EXPECT_GE(closed, 0) << c.name;
        EXPECT_GT(failed, closed) << c.name;
        EXPECT_TRUE(WelcomeXml().contains(QStringLiteral("<ERROR>") + QLatin1String(c.failure) + QStringLiteral("</ERROR>")))
            << c.name;
        EXPECT_EQ(ReadAll(path), c.bytes) << c.name;
        EXPECT_EQ(QFileInfo(path).lastModified(), modified) << c.name;
        EXPECT_EQ(Swf().calls.filter(path).size(), 0) << c.name;
        EXPECT_EQ(player().windowTitle(), QStringLiteral("Vorlen - Welcome")) << c.name;
        EXPECT_TRUE(player().MediaInfo().WorkingPath.isEmpty() || player().IsInterfaceMovie()) << c.name;
    }
    EXPECT_EQ(m_options.played, 0);
    EXPECT_EQ(m_recent.RecentCount(), 0);

    // The player goes on as before.
    const QString good = WriteMovie(QStringLiteral("good.swf"));
    player().LoadFlash(good, QString(), false);
    EXPECT_EQ(player().windowTitle(), QStringLiteral("Vorlen - good.swf"));
}

TEST_F(PlayerTest, AMissingFileIsLoggedAsNotFound)
{
    MakePlayer();
    Mark();
    const QString missing = FolderPath() + QStringLiteral("gone/none.swf");
    player().LoadFlash(missing, QString(), false);
    const QStringList log = LogSinceMark();
    const int notFound = log.indexOf(QStringLiteral("Not found<br>"));
    ASSERT_GE(notFound, 1);
    EXPECT_EQ(log[notFound - 1], missing + QStringLiteral(")...<br>"));
    EXPECT_GE(IndexOf(log, QStringLiteral("Failed to load, since File Not Found"), notFound), 0);
    EXPECT_TRUE(WelcomeXml().contains(QStringLiteral("<ERROR>File Not Found</ERROR>")));
    EXPECT_FALSE(QFileInfo::exists(FolderPath() + QStringLiteral("gone")));
}

TEST_F(PlayerTest, AnUnreadableFileFailsWithTheReasonAndStaysUnreadable)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the super-user reads every file";
    const QString path = WriteMovie(QStringLiteral("locked.swf"));
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    MakePlayer();
    Mark();
    player().LoadFlash(path, QString(), false);
    EXPECT_GE(IndexOf(LogSinceMark(), QStringLiteral("Failed to load, since ")), 0);
    EXPECT_EQ(QFile::permissions(path), QFileDevice::WriteOwner);
    EXPECT_EQ(Swf().calls.filter(path).size(), 0);
}

TEST_F(PlayerTest, ExecStatementsRunInTheScriptEngineAndTouchNoFile)
{
    MakePlayer();
    Mark();
    player().LoadFlash(QStringLiteral("/EXEC SetFlashAlpha 50: Out \rhello\r"), QString(), false);
    EXPECT_EQ(player().FlashAlpha(), 50);
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuOpMed")));
    EXPECT_EQ(player().ConsoleText(), QStringLiteral("\nhello"));
    const QStringList log = LogSinceMark();
    ASSERT_GE(log.size(), 2);
    EXPECT_EQ(log[0], QStringLiteral("<br>"));
    EXPECT_EQ(log[1], QStringLiteral(" :: LoadFlash ("));
    EXPECT_EQ(log[2], QStringLiteral("Execute script: SetFlashAlpha 50: Out \"hello\"<br>"));
    EXPECT_TRUE(WelcomeXml().contains(QStringLiteral("<ERROR>Execution: SetFlashAlpha 50: Out &#34;hello&#34;</ERROR>")));
}

TEST_F(PlayerTest, AFailingExecStatementIsReportedWithItsLine)
{
    MakePlayer();
    Mark();
    player().LoadFlash(QStringLiteral("/exec Player.NoSuchThing"), QString(), false);
    const QStringList log = LogSinceMark();
    const int alert = log.indexOf(QStringLiteral("<B>ALERT:</B> Script Execution ' Player.NoSuchThing' (Line:1)<BR>")
        + QStringLiteral("Object doesn't support this property or method: 'nosuchthing'<BR>VBScript runtime error<br>"));
    EXPECT_GE(alert, 0) << log.join(QLatin1Char('\n')).toStdString();
    EXPECT_GE(log.indexOf(QStringLiteral("<B><FONT color=\"#000000\">438<br>")), 0);
}

TEST_F(PlayerTest, InterfaceMoviesAreNeitherCountedNorRecentAndDisableMovieMenus)
{
    m_extensions.offered = {PlayerFeature::Info};
    const QString screen = Folders().flash + QStringLiteral("screen.swf");
    WriteAll(screen, MovieBytes());
    MakePlayer();
    player().LoadFlash(screen + QStringLiteral("?myXML=x"), QStringLiteral("Screen"), false);
    EXPECT_TRUE(player().IsInterfaceMovie());
    EXPECT_EQ(m_options.played, 0);
    EXPECT_EQ(m_recent.RecentCount(), 0);
    EXPECT_FALSE(player().MenuItem(QStringLiteral("MenuPlayback"))->isEnabled());
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuInfo"))->isEnabled());
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuPopPlay"))->isVisible());
}

TEST_F(PlayerTest, NativeSizeShowsUnscaledAndGivesTheScaleModeBack)
{
    const QString movie = WriteMovie(QStringLiteral("a.swf"));
    MakePlayer();
    player().SetScaleMode(2);
    player().LoadFlash(movie, QString(), true);
    EXPECT_TRUE(player().IsNativeSize());
    EXPECT_EQ(Swf().ScaleMode(), 3);
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuScale"))->isEnabled());
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuSMode"), 3));

    player().LoadFlash(movie, QString(), true);  // still native: the saved mode stays
    player().LoadFlash(movie, QString(), false);
    EXPECT_FALSE(player().IsNativeSize());
    EXPECT_EQ(Swf().ScaleMode(), 2);
    EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuScale"))->isEnabled());
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuSMode"), 2));
}

TEST_F(PlayerTest, AFolderWithoutAMediaBrowserIsPlayedAsThePlaylist)
{
    const QString first = WriteMovie(QStringLiteral("folder/a.swf"));
    WriteMovie(QStringLiteral("folder/b.swf"));
    WriteFile(QStringLiteral("folder/notes.txt"), "text");
    MakePlayer();
    player().LoadFlash(FolderPath() + QStringLiteral("folder"), QString(), false);
    EXPECT_EQ(player().playlist().PLLast(), 1);
    EXPECT_EQ(player().MediaInfo().SourcePath, first);
}

TEST_F(PlayerTest, ClosingShowsTheWelcomeScreenWithTheRecentMovies)
{
    const QString movie = WriteMovie(QStringLiteral("a & b.swf"));
    WriteAll(Folders().flash + QStringLiteral("welcome.swf"), MovieBytes());
    MakePlayer();
    player().LoadFlash(movie, QString(), false);
    Mark();
    player().CloseMedia(QString());
    EXPECT_EQ(player().playlist().PLCurrent(), -1);
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuInfo"))->isEnabled());
    const QString xml = WelcomeXml();
    EXPECT_TRUE(xml.startsWith(QStringLiteral("<?xml version=\"1.0\"?><WELCOME><FONT>"))) << xml.toStdString();
    EXPECT_TRUE(xml.contains(QStringLiteral("<ERROR></ERROR><RECENT>"))) << xml.toStdString();
    EXPECT_TRUE(xml.contains(QStringLiteral("<FILE>") + QString(movie).replace(QStringLiteral("&"), QStringLiteral("&#38;"))))
        << xml.toStdString();
    // The welcome movie is loaded with the address of its document.
    const QStringList loads
        = Swf().calls.filter(QStringLiteral("LoadMovie 0 ") + Folders().flash + QStringLiteral("welcome.swf?myXML="));
    ASSERT_EQ(loads.size(), 1) << Swf().calls.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(loads[0].contains(EncodeUrlText(Folders().flash + QStringLiteral("welcome.xml")) + QStringLiteral("&time=")));
    EXPECT_TRUE(loads[0].endsWith(QStringLiteral("&noanim=True")));
    EXPECT_EQ(player().windowTitle(), QStringLiteral("Vorlen - Welcome"));
    EXPECT_TRUE(player().IsInterfaceMovie());
    EXPECT_GE(LogSinceMark().indexOf(QStringLiteral(" :: Close Flash<br>")), 0);
}

#include "AppTestSupport.h"
#include "swf/SwfWriter.h"

#include <QProcess>

#include <csignal>

// The real player, started and driven the way a desktop does: command lines, second starts
// with "/exec" statements, termination. Needs a display (label ui, run under xvfb-run).

namespace {

QByteArray Movie(int width, int height)
{
    SwfWriter writer;
    writer.SetVersion(8).SetFrameSize(width, height).SetFrameRate(12).SetBackgroundColor(0x30, 0x60, 0x90);
    for (int i = 0; i < 24; ++i)
        writer.ShowFrame();
    return writer.ToBytes();
}

class PlayerEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_DISPLAY();
        EnsureCoreApplication();
        ASSERT_TRUE(tree.IsValid());
        tree.KeepMyFlashInside();
        movieA = tree.Root() + QStringLiteral("movies/a movie.swf");
        movieB = tree.Root() + QStringLiteral("movies/b.swf");
        QDir().mkpath(tree.Root() + QStringLiteral("movies"));
        ASSERT_TRUE(WriteAll(movieA, Movie(400, 300)));
        ASSERT_TRUE(WriteAll(movieB, Movie(400, 300)));
    }
    void TearDown() override { Stop(player); }

    // Starts the player and waits until its start-up is over.
    void StartPlayer(const QStringList& arguments)
    {
        player.setProcessEnvironment(tree.Environment());
        player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        player.start(tree.Program(), arguments);
        ASSERT_TRUE(player.waitForStarted(10000));
        ASSERT_TRUE(WaitForRegistration(player, tree.Log()));
    }

    // A second start: it hands its command line over and returns once the player handled it.
    void SecondStart(const QStringList& arguments)
    {
        QProcess second;
        second.setProcessEnvironment(tree.Environment());
        second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        second.start(tree.Program(), arguments);
        ASSERT_TRUE(second.waitForFinished(20000));
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0);
    }

    QString Log() const { return QString::fromUtf8(ReadAll(tree.Log())); }
    QString Option(const char* section, const char* name) const
    {
        return ReadRegistryString(QLatin1String(section), QLatin1String(name), QStringLiteral("<none>"));
    }

    TempConfigDir store;
    PrivateAppTree tree;
    QProcess player;
    QString movieA;
    QString movieB;
};

}  // namespace

TEST_F(PlayerEndToEndTest, ExecStatementsOfASecondStartRunInThePlayer)
{
    // The plain window: its size is the movie's and the playlist's alone.
    WriteRegistryString(QStringLiteral("View"), QStringLiteral("Skin"), QString());
    StartPlayer({movieA});
    EXPECT_EQ(RunningCaption(player.processId()), QStringLiteral("Vorlen - a movie.swf"));

    // One quoted argument.
    SecondStart({QStringLiteral("/exec ZoomFlash 200, 2")});
    EXPECT_TRUE(Log().contains(QStringLiteral("Other Instance Requested: \"/exec ZoomFlash 200, 2\"<br>")));
    EXPECT_TRUE(Log().contains(QStringLiteral("Execute script: ZoomFlash 200, 2<br>")));

    // The same written as separate arguments: they are joined with single blanks. Every
    // statement closes the movie first, so the one that sizes the window saves the options too.
    SecondStart({QStringLiteral("/EXEC"), QStringLiteral("LoadFlash"), QLatin1Char('"') + movieB + QStringLiteral("\":"),
        QStringLiteral("ZoomFlash"), QStringLiteral("50,"), QStringLiteral("2:"), QStringLiteral("SaveOpts")});
    EXPECT_TRUE(Log().contains(
        QStringLiteral("Execute script: LoadFlash \"") + movieB + QStringLiteral("\": ZoomFlash 50, 2: SaveOpts<br>")));
    EXPECT_EQ(RunningCaption(player.processId()), QStringLiteral("Vorlen - b.swf"));

    // The window's size is in the options it saved: half the movie beside the playlist pane, in
    // twips (the window system of the tests draws no frame).
    EXPECT_EQ(Option("Window", "Width"), QString::number((200 + 200) * 15));
    EXPECT_EQ(player.state(), QProcess::Running);
}

TEST_F(PlayerEndToEndTest, AFailedLoadShowsItsTextAndThePlayerStaysUsable)
{
    const QString shortFile = tree.Root() + QStringLiteral("movies/short.swf");
    ASSERT_TRUE(WriteAll(shortFile, QByteArray("FWS\x08\x10", 5)));
    StartPlayer({shortFile});
    const QString log = Log();
    EXPECT_TRUE(log.contains(QStringLiteral("File is too short!<br>")));
    EXPECT_TRUE(log.contains(QStringLiteral("Failed to load, since File is Too Small to Be Valid<br>")));
    EXPECT_TRUE(ReadAll(tree.Flash() + QStringLiteral("welcome.xml")).contains("<ERROR>File is Too Small to Be Valid</ERROR>"));
    EXPECT_EQ(ReadAll(shortFile), QByteArray("FWS\x08\x10", 5));
    EXPECT_EQ(RunningCaption(player.processId()), QStringLiteral("Vorlen - Welcome"));

    SecondStart({movieA});
    EXPECT_EQ(RunningCaption(player.processId()), QStringLiteral("Vorlen - a movie.swf"));
}

TEST_F(PlayerEndToEndTest, TheFilesOfTheCommandLineAreThePlaylistEvenWhereNoneCanBeKept)
{
    // The folder of the kept playlist cannot be made (its parent is missing).
    WriteRegistryString(QStringLiteral("Recent"), QStringLiteral("MyFlash"), tree.Root() + QStringLiteral("missing/Ve Zedaz/"));
    StartPlayer({movieA, movieB});
    EXPECT_EQ(RunningCaption(player.processId()), QStringLiteral("Vorlen - a movie.swf"));
    SecondStart({QStringLiteral("/exec PlayEntry 1")});
    EXPECT_EQ(RunningCaption(player.processId()), QStringLiteral("Vorlen - b.swf"));
}

TEST_F(PlayerEndToEndTest, TerminationQuitsWithTheOptionsAndThePlaylistSaved)
{
    StartPlayer({movieA, movieB});
    SecondStart({QStringLiteral("/exec SetSound 40, 0: mnuLoop.Checked = True")});
    ASSERT_EQ(RegisteredHandle(), QString::number(player.processId()));
    player.terminate();
    ASSERT_TRUE(player.waitForFinished(20000));
    EXPECT_EQ(player.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(player.exitCode(), 0);

    EXPECT_EQ(Option("Sound", "Volume"), QStringLiteral("40"));
    EXPECT_EQ(Option("Playback", "Repeat"), QStringLiteral("True"));
    EXPECT_EQ(Option("Window", "hWnd"), QStringLiteral("0"));
    const QString playlist = QString::fromUtf8(ReadAll(tree.MyFlash() + QStringLiteral("Last Played Temp.vorlen")));
    EXPECT_TRUE(playlist.contains(QStringLiteral("<FILE>") + movieA + QStringLiteral("</FILE>"))) << playlist.toStdString();
    EXPECT_TRUE(playlist.contains(QStringLiteral("<FILE>") + movieB + QStringLiteral("</FILE>"))) << playlist.toStdString();
    EXPECT_TRUE(Log().endsWith(QStringLiteral("<B>Quit: Terminated</B><br>\r\n")));
}

TEST_F(PlayerEndToEndTest, QuitFromAStatementEndsTheProcessAndTheNextStartRestoresThePlaylist)
{
    StartPlayer({movieA, movieB});
    SecondStart({QStringLiteral("/exec Quit \"Exit Menu\", True")});
    ASSERT_TRUE(player.waitForFinished(20000));
    EXPECT_EQ(player.exitCode(), 0);
    EXPECT_TRUE(Log().endsWith(QStringLiteral("<B>Quit: Exit Menu</B><br>\r\n")));

    // Without a command line the welcome screen shows and the kept playlist comes back.
    StartPlayer({});
    EXPECT_EQ(RunningCaption(player.processId()), QStringLiteral("Vorlen - Welcome"));
    SecondStart({QStringLiteral("/exec PlayEntry 1")});
    EXPECT_EQ(RunningCaption(player.processId()), QStringLiteral("Vorlen - b.swf"));
}

TEST_F(PlayerEndToEndTest, TheStartUpRunsItsStepsInOrderAndOpensTheLastMovieWhenAsked)
{
    WriteRegistryString(QStringLiteral("System"), QStringLiteral("StartUp"), QStringLiteral("2"));
    WriteRegistryString(QStringLiteral("System"), QStringLiteral("GPF"), QStringLiteral("True"));
    WriteRegistryString(QStringLiteral("Recent"), QStringLiteral("0"), movieB);
    StartPlayer({});
    EXPECT_EQ(RunningCaption(player.processId()), QStringLiteral("Vorlen - b.swf"));
    const QStringList lines = Log().split(QStringLiteral("\r\n"));
    const QStringList steps = {QStringLiteral(" :: Start Up<br>"), QStringLiteral("Initializing Visual Styles<br>"),
        QStringLiteral("UAE Disabled<br>"), QStringLiteral("Application Path: ") + tree.Root() + QStringLiteral("<br>"),
        QStringLiteral("Cache Path: "), QStringLiteral("Argument: <br>"), QStringLiteral("Initialized in "),
        QStringLiteral("Detected <B>Flash 32</B><br>"), QStringLiteral(" :: Load Options<br>"), QStringLiteral(" :: LoadFlash ("),
        QStringLiteral("Movie Loaded in "), QStringLiteral("<B>Player Loaded</B> in ")};
    int at = 0;
    for (const QString& step : steps) {
        while (at < lines.size() && !lines[at].startsWith(step))
            ++at;
        EXPECT_LT(at, lines.size()) << "missing or out of order: " << step.toStdString();
    }
}

TEST_F(PlayerEndToEndTest, ASecondStartWhileAMoviePlaysOpensItsFiles)
{
    StartPlayer({movieA});
    SecondStart({movieB, movieA});
    EXPECT_TRUE(Log().contains(QStringLiteral("Other Instance Requested: \"") + movieB));
    EXPECT_EQ(RunningCaption(player.processId()), QStringLiteral("Vorlen - b.swf"));
    // Interrupted from its terminal, the player quits as it does on termination.
    ::kill(pid_t(player.processId()), SIGINT);
    ASSERT_TRUE(player.waitForFinished(20000));
    EXPECT_EQ(player.exitCode(), 0);
    EXPECT_TRUE(Log().endsWith(QStringLiteral("<B>Quit: Interrupted</B><br>\r\n")));
    EXPECT_EQ(Option("Recent", "0"), movieB);
}

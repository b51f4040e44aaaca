#include "AppTestSupport.h"
#include "swf/SwfWriter.h"

#include <QProcess>

#include <csignal>

// The real player on a desktop of the test's own: the file types it takes when its options are
// saved, Uninstall from a second start, and the screen saver mode beside a running player.
// Needs a display (label ui, run under xvfb-run).

namespace {

const QString kSwfAlias = QStringLiteral("application/x-shockwave-flash");

class DesktopEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_DISPLAY();
        EnsureCoreApplication();
        ASSERT_TRUE(tree.IsValid());
        tree.KeepMyFlashInside();
        movie = tree.Root() + QStringLiteral("movie.swf");
        SwfWriter writer;
        writer.SetVersion(8).SetFrameSize(320, 240).SetFrameRate(12).ShowFrame().ShowFrame();
        ASSERT_TRUE(WriteAll(movie, writer.ToBytes()));
    }
    void TearDown() override { Stop(player); }

    void Start(QProcess& process, const QStringList& arguments)
    {
        process.setProcessEnvironment(tree.Environment());
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(tree.Program(), arguments);
        ASSERT_TRUE(process.waitForStarted(10000));
    }
    void StartPlayer()
    {
        Start(player, {movie});
        ASSERT_TRUE(WaitForRegistration(player, tree.Log()));
    }
    void Terminate()
    {
        player.terminate();
        ASSERT_TRUE(player.waitForFinished(20000));
    }
    // xdg-mime asked on the tree's desktop.
    QString QueryDefault(const QString& mimeType) const
    {
        QProcess query;
        query.setProcessEnvironment(tree.Environment());
        query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeType});
        query.waitForFinished(20000);
        return QString::fromUtf8(query.readAllStandardOutput()).trimmed();
    }
    QString MimeApps() const { return QString::fromUtf8(ReadAll(tree.XdgConfig() + QStringLiteral("mimeapps.list"))); }
    QString Log() const { return QString::fromUtf8(ReadAll(tree.Log())); }

    TempConfigDir store;
    PrivateAppTree tree;
    QProcess player;
    QString movie;
};

}  // namespace

TEST_F(DesktopEndToEndTest, SavedOptionsMakeThePlayerTheDesktopsFlashPlayer)
{
    StartPlayer();
    Terminate();
    const QString entry = QString::fromUtf8(ReadAll(tree.XdgData() + QStringLiteral("applications/vorlen.desktop")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=") + tree.Program() + QStringLiteral(" %F\n"))) << entry.toStdString();
    for (const char* type :
        {"application/vnd.adobe.flash.movie", "application/x-shockwave-flash", "video/x-flv", "application/x-vorlen-playlist"}) {
        EXPECT_EQ(QueryDefault(QLatin1String(type)), QStringLiteral("vorlen.desktop")) << type;
        EXPECT_TRUE(MimeApps().contains(QLatin1String(type) + QStringLiteral("=vorlen.desktop"))) << type;
    }
    EXPECT_TRUE(ReadAll(tree.XdgData() + QStringLiteral("mime/globs2")).contains("application/x-vorlen-playlist:*.vorlen"));
    EXPECT_EQ(ReadRegistryString(QStringLiteral("System"), QStringLiteral("PrevSWF"), QStringLiteral("<none>")), QString());
    // The "Ve Zedaz" folder wears its dress.
    EXPECT_TRUE(ReadAll(tree.MyFlash() + QStringLiteral("Desktop.ini")).startsWith("[.ShellClassInfo]\r\nIconFile="));
    EXPECT_TRUE(ReadAll(tree.MyFlash() + QStringLiteral(".directory")).contains("Icon="));
}

TEST_F(DesktopEndToEndTest, UninstallFromASecondStartRemovesThePlayersTracesWithoutSaving)
{
    StartPlayer();
    Terminate();
    ASSERT_EQ(QueryDefault(kSwfAlias), QStringLiteral("vorlen.desktop"));

    StartPlayer();
    QProcess second;
    Start(second, {QStringLiteral("/exec SetSound 40, 0")});
    ASSERT_TRUE(second.waitForFinished(20000));
    QProcess uninstall;
    Start(uninstall, {QStringLiteral("/exec Uninstall")});
    ASSERT_TRUE(uninstall.waitForFinished(20000));
    ASSERT_TRUE(player.waitForFinished(20000));
    EXPECT_EQ(player.exitCode(), 0);
    EXPECT_TRUE(Log().endsWith(QStringLiteral("<B>Quit: Unistallation</B><br>\r\n")));
    EXPECT_NE(ReadRegistryString(QStringLiteral("Sound"), QStringLiteral("Volume"), QString()), QStringLiteral("40"));

    EXPECT_FALSE(QFile::exists(tree.XdgData() + QStringLiteral("applications/vorlen.desktop")));
    EXPECT_FALSE(QFile::exists(tree.XdgData() + QStringLiteral("mime/packages/vorlen-playlist.xml")));
    EXPECT_FALSE(QFile::exists(tree.XdgData() + QStringLiteral("icons/hicolor/scalable/apps/vorlen.svg")));
    EXPECT_FALSE(MimeApps().contains(QStringLiteral("vorlen.desktop"))) << MimeApps().toStdString();
    EXPECT_FALSE(QDir(tree.Root() + QStringLiteral("cache/Vorlen Cache")).exists());
}

TEST_F(DesktopEndToEndTest, TheScreenSaverRunsBesideThePlayerAndLeavesItAlone)
{
    WriteRegistryString(QStringLiteral("ScreenSaver"), QStringLiteral("FileName"), movie);
    StartPlayer();
    const QString logBefore = Log();
    QProcess saver;
    Start(saver, {QStringLiteral("--saver")});
    // It does not hand itself over to the running player: it stays until the user comes back.
    EXPECT_FALSE(saver.waitForFinished(3000));
    EXPECT_EQ(saver.state(), QProcess::Running);
    EXPECT_EQ(Log(), logBefore);
    EXPECT_EQ(RegisteredHandle(), QString::number(player.processId()));
    Stop(saver);
}

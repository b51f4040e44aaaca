// The player window on the real engine: movies talk to the command table, the welcome screen
// says why a load failed, the about box reads its document, and Flash Video plays.
#include "engine/UiMovieSupport.h"

#include "common/TestSupport.h"

#include "app/ProgramOptions.h"
#include "base/AppFolders.h"
#include "engine/RuffleFlashControl.h"
#include "options/RegistryStore.h"
#include "player/FrmAbout.h"
#include "player/Player.h"
#include "swf/Avm1Assembler.h"
#include "swf/SwfWriter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

namespace {

QTemporaryDir* g_folder = nullptr;
const char* const kLogName = "Player Engine Test";

QString Folder()
{
    return g_folder->path() + QLatin1Char('/');
}

QString LogText()
{
    return QString::fromUtf8(ReadAll(Folders().logFile));
}

// A one-frame movie (AVM1) that sends the commands on its first frame.
QByteArray CommandMovie(const QList<QPair<QByteArray, QByteArray>>& commands)
{
    Avm1Assembler actions;
    for (const auto& [command, args] : commands)
        actions.GetUrl("FSCommand:" + command, args);
    SwfWriter writer;
    writer.SetVersion(8).SetFrameSize(200, 150).SetFrameRate(12).SetBackgroundColor(0x30, 0x60, 0x90);
    writer.AddRaw(actions.DoActionTag());
    writer.ShowFrame();
    return writer.ToBytes(false);
}

QByteArray PlainMovie()
{
    SwfWriter writer;
    writer.SetVersion(8).SetFrameSize(240, 180).SetFrameRate(12).SetBackgroundColor(0x10, 0x80, 0x40);
    writer.ShowFrame();
    return writer.ToBytes(false);
}

// A player window on its own engine control, shown.
class EnginePlayer {
public:
    EnginePlayer()
    {
        // The window reads the program's option table, as at start-up.
        RegisterProgramOptions();
        auto control = std::make_unique<RuffleFlashControl>();
        m_swf = control.get();
        PlayerParts parts;
        parts.swf = std::move(control);
        parts.newControl = []() -> std::unique_ptr<FlashControl> { return std::make_unique<RuffleFlashControl>(); };
        m_player = std::make_unique<Player>(std::move(parts));
        m_player->show();
        m_swf->WaitForPage(20000);
    }
    Player& player() { return *m_player; }
    RuffleFlashControl& Swf() { return *m_swf; }
    bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 15000) { return m_swf->WaitFor(condition, timeoutMs); }

private:
    RuffleFlashControl* m_swf = nullptr;
    std::unique_ptr<Player> m_player;
};

// What the desktop is asked to open, caught so that no browser starts.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "Open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    QList<QUrl> urls;
public Q_SLOTS:
    void Open(const QUrl& url) { urls << url; }
};

// The share of sampled pixels of an image that are neither black nor the page's dark blue.
double LitShare(const QImage& image)
{
    int lit = 0;
    int all = 0;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            const QColor colour = image.pixelColor(x, y);
            lit += colour.red() + colour.green() + colour.blue() > 90 ? 1 : 0;
            ++all;
        }
    }
    return all == 0 ? 0 : double(lit) / all;
}

}  // namespace

// fscommand in a user's movie reaches the command table: letter case does not matter, unknown
// commands are logged, MEOWLOAD opens the movie named.
TEST(PlayerEngine, CommandsOfAUserMovieReachTheTable)
{
    EnginePlayer window;
    const QString second = Folder() + QStringLiteral("second movie.swf");
    WriteAll(second, PlainMovie());
    const QString first = Folder() + QStringLiteral("talking.swf");
    WriteAll(first, CommandMovie({{"meowlog", "hello from a movie"}, {"NoSuchCommand", "1"}, {"MeowLoad", second.toUtf8()}}));
    window.player().LoadFlash(first, QString(), false);
    EXPECT_TRUE(window.WaitFor([&] { return window.player().MediaInfo().SourcePath == second; }))
        << window.player().MediaInfo().SourcePath.toStdString();
    const QString log = LogText();
    EXPECT_TRUE(log.contains(QStringLiteral("\r\n<br>\r\nMedia debug :: hello from a movie<br>\r\n")));
    EXPECT_TRUE(log.contains(QStringLiteral("Unsupported FS Command (NoSuchCommand)<br>")));
    EXPECT_FALSE(window.player().IsInterfaceMovie());
}

// A load that fails leaves the welcome screen, which shows why.
TEST(PlayerEngine, TheWelcomeScreenShowsWhyALoadFailed)
{
    EnginePlayer window;
    const QString notAMovie = Folder() + QStringLiteral("notes.swf");
    WriteAll(notAMovie, "these are not the bytes of a movie");
    struct Case {
        QString path;
        QString error;
    };
    const Case cases[] = {
        {Folder() + QStringLiteral("missing.swf"), QStringLiteral("File Not Found")},
        {notAMovie, QStringLiteral("Not a Flash Movie")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error.toStdString());
        window.player().LoadFlash(c.path, QString(), false);
        EXPECT_TRUE(window.player().IsInterfaceMovie());
        EXPECT_EQ(window.player().windowTitle(), QStringLiteral("Vorlen - Welcome"));
        QJsonObject state;
        EXPECT_TRUE(window.WaitFor([&] {
            state = MovieState(window.Swf());
            return state.value(QStringLiteral("texts")).toObject().value(QStringLiteral("error")).toString() == c.error;
        })) << QJsonDocument(state).toJson().toStdString();
        EXPECT_EQ(state.value(QStringLiteral("state")).toString(), QStringLiteral("ready"));
        EXPECT_TRUE(state.value(QStringLiteral("areas")).toObject().contains(QStringLiteral("error")));
    }
    // A plain close shows no error.
    window.player().CloseMedia(QString());
    QJsonObject state;
    EXPECT_TRUE(window.WaitFor([&] {
        state = MovieState(window.Swf());
        return state.value(QStringLiteral("state")).toString() == QLatin1String("ready")
            && state.value(QStringLiteral("texts")).toObject().value(QStringLiteral("error")).toString().isEmpty();
    }));
    EXPECT_FALSE(state.value(QStringLiteral("areas")).toObject().contains(QStringLiteral("error")));
}

// The about box shows the program's name, version and links from its document; its web link
// opens the vendor's site.
TEST(PlayerEngine, TheAboutBoxShowsItsDocumentAndItsWebLinkOpensTheSite)
{
    UrlCatcher catcher;
    FrmAbout about(std::make_unique<RuffleFlashControl>(), true);
    about.show();
    auto& control = static_cast<RuffleFlashControl&>(about.SWF());
    ASSERT_TRUE(control.WaitForPage(20000));
    ASSERT_TRUE(WaitForDocument(control));
    const QJsonObject state = MovieState(control);
    EXPECT_EQ(state.value(QStringLiteral("state")).toString(), QStringLiteral("ready"));
    const QJsonObject texts = state.value(QStringLiteral("texts")).toObject();
    EXPECT_TRUE(texts.value(QStringLiteral("info")).toString().startsWith(QStringLiteral("Vorlen 1.4.732 | A player for Flash")))
        << texts.value(QStringLiteral("info")).toString().toStdString();
    QStringList support;
    for (const QJsonValue& line : texts.value(QStringLiteral("support")).toArray())
        support << line.toString();
    EXPECT_EQ(support, (QStringList{QStringLiteral("Support: support@vorlen.org"), QStringLiteral("Web Site: www.vorlen.org")}));

    const QPoint web = AreaCentre(state.value(QStringLiteral("areas")).toObject().value(QStringLiteral("link2")).toObject());
    ASSERT_FALSE(web.isNull());
    ClickAt(control, web);
    EXPECT_TRUE(control.WaitFor([&] { return !catcher.urls.isEmpty(); }, 5000));
    EXPECT_EQ(catcher.urls.value(0), QUrl(QStringLiteral("http://www.vorlen.org")));
}

// A Flash Video of the corpus plays in the window at its own size, its time counting as the
// control's frames; at its end "Play Non Stop" goes on to the next entry.
TEST(PlayerEngine, AFlashVideoPlaysInTheWindowAndItsEndIsSeen)
{
    SKIP_WITHOUT_CORPUS();
    EnginePlayer window;
    const QString video = CorpusDir() + QStringLiteral("/flv/ruffle-netstream_seek_flv-test_video.flv");
    window.player().LoadFlash(video, QString(), false);
    EXPECT_FALSE(window.player().IsInterfaceMovie());
    EXPECT_EQ(window.player().View()->size(), QSize(352, 288));
    QJsonObject state;
    EXPECT_TRUE(window.WaitFor([&] {
        state = MovieState(window.Swf());
        return state.value(QStringLiteral("playback")).toString() == QLatin1String("playing")
            && state.value(QStringLiteral("time")).toDouble() > 0.5;
    })) << QJsonDocument(state).toJson().toStdString();
    EXPECT_TRUE(state.value(QStringLiteral("pictures")).toBool());
    // The wrapper counts tenths of a second.
    EXPECT_TRUE(window.WaitFor([&] { return window.Swf().TotalFrames() >= 2 && window.Swf().CurrentFrame() >= 3; }, 5000))
        << window.Swf().CurrentFrame() << " / " << window.Swf().TotalFrames();
    EXPECT_GT(LitShare(window.Swf().GrabFrame()), 0.2);

    // The player's pause reaches the video.
    window.player().PauseMedia();
    EXPECT_TRUE(window.WaitFor(
        [&] { return MovieState(window.Swf()).value(QStringLiteral("playback")).toString() == QLatin1String("paused"); }, 5000));

    const QString next = Folder() + QStringLiteral("after the video.swf");
    WriteAll(next, PlainMovie());
    window.player().PlayPaths({CorpusDir() + QStringLiteral("/flv/square.flv"), next});
    window.player().RunCommand(QStringLiteral("mnuNonStop"));
    ASSERT_TRUE(window.player().IsChecked(QStringLiteral("mnuNonStop")));
    EXPECT_TRUE(window.WaitFor([&] { return window.player().MediaInfo().SourcePath == next; }, 30000))
        << window.player().MediaInfo().SourcePath.toStdString();
}

int main(int argc, char* argv[])
{
    RuffleFlashControl::PrepareEngine();
    QApplication application(argc, argv);
    QTemporaryDir folder;
    g_folder = &folder;
    // The options, the cache and the "Ve Zedaz" folder stay in the test's folder; the log has a
    // name of its own beside the program's.
    qputenv("VORLEN_CONFIG_DIR", (folder.path() + QStringLiteral("/config")).toUtf8());
    QDir().mkpath(folder.path() + QStringLiteral("/cache"));
    qputenv("XDG_CACHE_HOME", (folder.path() + QStringLiteral("/cache")).toUtf8());
    WriteRegistryString(QStringLiteral("Recent"), QStringLiteral("MyFlash"), folder.path() + QStringLiteral("/Ve Zedaz/"));
    InitApplicationFolders(AppTreeDir(), QLatin1String(kLogName));
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    if (status == 0)
        QFile::remove(Folders().logFile);
    return status;
}

#include "PlayerEngine_test.moc"

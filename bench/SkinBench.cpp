// Times the skins on the player window with the real engine: loading the Default skin (from
// LoadSkin to the window shown again) and one tick of the status timer with the skin's
// onInfoUpdate against a tick without a skin. With --shots FOLDER it also saves screen shots of
// the shipped skins (100 % and 200 %, playlist, menu bar, full screen with its controls) and
// of the plain window. Run under xvfb-run from the build tree:
//   xvfb-run -a -s "-screen 0 1600x1200x24" build/bench/bench_skin [--shots /tmp/shots] [MOVIE]

#include "BenchTiming.h"

#include "app/ProgramOptions.h"
#include "base/AppFolders.h"
#include "engine/RuffleFlashControl.h"
#include "player/Player.h"
#include "skin/XmlSkin.h"
#include "swf/SwfWriter.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void Pump(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// A movie of 240 frames whose background shows where the movie lies.
QString WriteMovie(const QString& folder)
{
    SwfWriter writer;
    writer.SetVersion(8).SetFrameSize(550, 400).SetFrameRate(24);
    writer.SetBackgroundColor(0x3A, 0x6E, 0xA5);
    for (int i = 0; i < 240; ++i)
        writer.ShowFrame();
    const QString path = folder + QStringLiteral("/blue.swf");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(writer.ToBytes(false));
    return path;
}

void Report(const char* what, const std::vector<double>& times)
{
    std::printf("%-44s median %8.3f ms   min %8.3f ms   max %8.3f ms   (%zu runs)\n", what, Median(times), times.front(),
        times.back(), times.size());
}

void Shot(const QString& folder, const QString& name)
{
    Pump(1500);
    QApplication::primaryScreen()->grabWindow(0).save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void ChooseSkin(Player& player, const QString& folder)
{
    for (int i = 0; QAction* item = player.MenuItem(QStringLiteral("mnuSkinList"), i); ++i) {
        if (item->data().toString() == folder || (i == 0 && folder.isEmpty())) {
            player.Skin().ChooseSkin(i);
            return;
        }
    }
}

void Zoom(Player& player, int percent)
{
    int passes = 2;
    player.ZoomFlash(percent, passes);
    player.Center();
}

void TakeShots(Player& player, const QString& folder, const QString& movie)
{
    QDir().mkpath(folder);
    for (const QString& skin : {QStringLiteral("Default"), QStringLiteral("Compact"), QString()}) {
        const QString name = skin.isEmpty() ? QStringLiteral("noskin") : skin.toLower();
        ChooseSkin(player, skin);
        player.MenuVisible(false);
        player.TogglePlaylist(0);
        Zoom(player, 100);
        Shot(folder, name + QStringLiteral("-100"));
        Zoom(player, 200);
        Shot(folder, name + QStringLiteral("-200"));
        player.TogglePlaylist(-1);
        Zoom(player, 100);
        Shot(folder, name + QStringLiteral("-playlist"));
        player.MenuVisible(true);
        Shot(folder, name + QStringLiteral("-menubar"));
        player.MenuVisible(false);
        player.TogglePlaylist(0);
        player.FullScreen(true, false);
        player.ShowFSControls(true);
        Shot(folder, name + QStringLiteral("-fullscreen"));
        player.ShowFSControls(false);
        player.FullScreen(false, false);
        player.LoadFlash(movie, QString(), false);
        Pump(500);
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    RuffleFlashControl::PrepareEngine();
    QApplication application(argc, argv);
    QTemporaryDir config;
    qputenv("VORLEN_CONFIG_DIR", config.path().toUtf8());
    const QString appDir = QCoreApplication::applicationDirPath() + QStringLiteral("/../Vorlen");
    ComputeApplicationFolders(QDir(appDir).absolutePath());

    QStringList arguments = QCoreApplication::arguments().mid(1);
    QString shots;
    if (arguments.size() >= 2 && arguments[0] == QLatin1String("--shots")) {
        shots = arguments[1];
        arguments = arguments.mid(2);
    }
    const QString movie = arguments.isEmpty() ? WriteMovie(config.path()) : arguments[0];

    RegisterProgramOptions();
    PlayerParts parts;
    parts.swf = std::make_unique<RuffleFlashControl>();
    parts.skin = std::make_unique<XmlSkin>();
    Player player(std::move(parts));
    player.ShowPlayer();
    player.LoadFlash(movie, QString(), false);
    player.playlist().AddToPlaylist(movie, 0);
    Pump(3000);
    if (!player.Skin().IsActive()) {
        std::fprintf(stderr, "bench_skin: the Default skin did not load (see the log of %s)\n", qPrintable(appDir));
        return 1;
    }

    // Loading: LoadSkin to the window shown again, with its layout done.
    const std::vector<double> loads = TimeRuns(20, [&] {
        player.Skin().ReloadSkin();
        QApplication::processEvents();
    });
    Report("Default skin: LoadSkin to window shown", loads);
    if (!player.Skin().IsActive()) {
        std::fprintf(stderr, "bench_skin: the Default skin did not load again\n");
        return 1;
    }

    // One tick of the status timer, with the skin's onInfoUpdate and without a skin.
    auto ticks = [&] { return TimeRuns(2000, [&] { player.TimerTick(); }); };
    const std::vector<double> skinned = ticks();
    Report("status tick with the Default skin", skinned);
    ChooseSkin(player, QString());
    const std::vector<double> plain = ticks();
    Report("status tick without a skin", plain);
    std::printf("the skin's share of a tick: %.3f ms of the 300 ms interval (%.2f %%)\n", Median(skinned) - Median(plain),
        (Median(skinned) - Median(plain)) / 3.0);

    if (!shots.isEmpty())
        TakeShots(player, shots, movie);
    player.Quit(QStringLiteral("Bench"), false);
    return 0;
}

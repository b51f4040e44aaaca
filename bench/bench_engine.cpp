// Times the Flash control: from LoadMovie to the first frame shown, with a control made
// for the occasion (cold: the web engine, the page and Ruffle start too) and with a control
// that is running (warm), and the shots per second over 50 small movies (load, go to a
// frame, grab). Run under xvfb-run from the build tree:
//   xvfb-run -a build/bench/bench_engine

#include "TestMovies.h"

#include "base/AppFolders.h"
#include "engine/RuffleFlashControl.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

namespace {

QString WriteMovie(const QString& folder, int index, const QColor& colour)
{
    ColourMovieOptions options;
    options.width = 160;
    options.height = 120;
    options.version = 6 + index % 5;
    options.compressed = index % 2 == 1;
    const QString path = QStringLiteral("%1/movie%2.swf").arg(folder).arg(index);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(BuildColourMovie({colour, colour.darker(), colour.lighter()}, options));
    return path;
}

// LoadMovie to the first frame shown, in milliseconds; -1 when it did not load.
qint64 LoadToFirstFrame(RuffleFlashControl& control, const QString& path, QElapsedTimer& timer)
{
    control.LoadMovie(0, path);
    if (!control.WaitForMovie(30000))
        return -1;
    control.GrabFrame();  // returns once the first frame was painted
    return timer.elapsed();
}

}  // namespace

int main(int argc, char* argv[])
{
    RuffleFlashControl::PrepareEngine();
    QApplication application(argc, argv);
    const QString appDir = QCoreApplication::applicationDirPath() + QStringLiteral("/../Vorlen");
    ComputeApplicationFolders(QDir(appDir).absolutePath());
    QTemporaryDir folder;
    QStringList movies;
    for (int i = 0; i < 50; ++i)
        movies << WriteMovie(folder.path(), i, QColor::fromHsv((i * 37) % 360, 200, 220));

    auto show = [](RuffleFlashControl& control) {
        control.widget()->setAttribute(Qt::WA_DontShowOnScreen);
        control.widget()->resize(160, 120);
        control.widget()->show();
    };

    // Cold: the first control of the process.
    QElapsedTimer timer;
    timer.start();
    auto* cold = new RuffleFlashControl;
    show(*cold);
    const qint64 coldMs = LoadToFirstFrame(*cold, movies[0], timer);
    std::printf("cold start (new control + LoadMovie to first frame): %lld ms\n", static_cast<long long>(coldMs));
    delete cold;

    // The player's case: the control was made at start-up, the first movie comes later.
    {
        RuffleFlashControl early;
        show(early);
        timer.restart();
        const bool started = early.WaitForEngine(60000);
        std::printf("engine start of a new control (page and engine ready): %lld ms\n", static_cast<long long>(timer.elapsed()));
        timer.restart();
        const qint64 firstMs = started ? LoadToFirstFrame(early, movies[1], timer) : -1;
        std::printf("first movie of a started control (LoadMovie to first frame): %lld ms\n", static_cast<long long>(firstMs));
    }

    RuffleFlashControl control;
    show(control);
    control.WaitForEngine(60000);

    // Warm: LoadMovie into the running control.
    qint64 total = 0;
    int count = 0;
    for (int i = 2; i < 12; ++i) {
        timer.restart();
        const qint64 ms = LoadToFirstFrame(control, movies[i], timer);
        if (ms >= 0) {
            total += ms;
            ++count;
        }
    }
    std::printf("warm (LoadMovie to first frame, mean of %d): %.1f ms\n", count, count ? double(total) / count : -1.0);

    // Shots: load, go to frame 2, grab, for each of the 50 movies.
    timer.restart();
    int shots = 0;
    qint64 loading = 0;
    qint64 hosting = 0;
    qint64 grabbing = 0;
    QElapsedTimer step;
    for (const QString& movie : movies) {
        step.start();
        control.LoadMovie(0, movie);
        if (!control.WaitForMovie(30000))
            continue;
        loading += step.restart();
        control.WaitForHost(30000);
        hosting += step.restart();
        control.GotoFrame(1);
        if (!control.GrabFrame().isNull())
            ++shots;
        grabbing += step.elapsed();
    }
    const double seconds = timer.elapsed() / 1000.0;
    std::printf("shots: %d in %.2f s = %.1f shots per second\n", shots, seconds, shots / seconds);
    if (shots > 0) {
        std::printf("  per shot: load %.0f ms, host movie %.0f ms, go to frame and grab %.0f ms\n", double(loading) / shots,
            double(hosting) / shots, double(grabbing) / shots);
    }
    return 0;
}

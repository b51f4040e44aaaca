// Times the real player from the outside, as a user sees it: from starting the process to the
// first frame of a movie on screen (cold: a new cache and option store; warm: the same ones a
// second time), and from a second start that hands a new movie over to that movie's first frame
// on screen. The screen is read every few milliseconds; a movie counts as shown when the middle
// of the screen (the player centres its window) has the movie's colour. Run under xvfb-run from
// the repository root:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_player_start

#include "TestMovies.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 5;
constexpr int kTimeoutMs = 30000;

QString WriteMovie(const QString& folder, const char* name, const QColor& colour)
{
    ColourMovieOptions options;
    options.width = 550;
    options.height = 400;
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(BuildColourMovie({colour}, options));
    return path;
}

bool CloseTo(QRgb pixel, const QColor& colour)
{
    return std::abs(qRed(pixel) - colour.red()) < 12 && std::abs(qGreen(pixel) - colour.green()) < 12
        && std::abs(qBlue(pixel) - colour.blue()) < 12;
}

// Waits until the middle of the screen shows colour; the milliseconds of timer then, or -1.
qint64 WaitForColour(const QColor& colour, const QElapsedTimer& timer)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect middle(screen->geometry().center() - QPoint(8, 8), QSize(16, 16));
    while (timer.elapsed() < kTimeoutMs) {
        const QImage image = screen->grabWindow(0, middle.x(), middle.y(), middle.width(), middle.height()).toImage();
        int matching = 0;
        for (int y = 0; y < image.height(); y += 4) {
            for (int x = 0; x < image.width(); x += 4)
                matching += CloseTo(image.pixel(x, y), colour) ? 1 : 0;
        }
        if (matching >= 14)
            return timer.elapsed();
        QThread::msleep(5);
    }
    return -1;
}

void Stop(QProcess& process)
{
    process.terminate();
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

double Median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1.0 : double(values[values.size() / 2]);
}

void Report(const char* what, const std::vector<qint64>& values)
{
    std::printf("%-46s median %6.0f ms   (", what, Median(values));
    for (qint64 value : values)
        std::printf(" %lld", static_cast<long long>(value));
    std::printf(" )\n");
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QString program
        = QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../Vorlen")).filePath(QStringLiteral("vorlen"));
    if (!QFile::exists(program)) {
        std::printf("player not built: %s\n", qPrintable(program));
        return 1;
    }
    QTemporaryDir movies;
    const QColor red(0xE0, 0x20, 0x30);
    const QColor blue(0x20, 0x50, 0xE0);
    const QString redMovie = WriteMovie(movies.path(), "red.swf", red);
    const QString blueMovie = WriteMovie(movies.path(), "blue.swf", blue);

    std::vector<qint64> cold;
    std::vector<qint64> warm;
    std::vector<qint64> handOver;
    for (int run = 0; run < kRuns; ++run) {
        QTemporaryDir home;
        const QString root = home.path() + QLatin1Char('/');
        for (const char* sub : {"config", "cache", "Documents"})
            QDir().mkpath(root + QLatin1String(sub));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VORLEN_CONFIG_DIR"), root + QStringLiteral("config"));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), root + QStringLiteral("cache"));
        environment.insert(QStringLiteral("HOME"), root);
        // The file types the player takes on quitting are the run's own desktop's.
        environment.insert(QStringLiteral("XDG_DATA_HOME"), root + QStringLiteral("data"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("config"));

        for (std::vector<qint64>* figures : {&cold, &warm}) {
            QProcess player;
            player.setProcessEnvironment(environment);
            QElapsedTimer timer;
            timer.start();
            player.start(program, {redMovie});
            figures->push_back(WaitForColour(red, timer));

            if (figures == &warm) {
                QProcess second;
                second.setProcessEnvironment(environment);
                timer.restart();
                second.start(program, {blueMovie});
                handOver.push_back(WaitForColour(blue, timer));
                second.waitForFinished(kTimeoutMs);
            }
            Stop(player);
        }
    }
    Report("process start to first frame, cold", cold);
    Report("process start to first frame, warm", warm);
    Report("hand-over to the new movie's first frame", handOver);
    return 0;
}

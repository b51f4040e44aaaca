// Thumbnails per second with one warm shot machine: every movie of the corpus
// (../shared/corpus/swf) shot at 120x90 (the generator's default size) at a frame a third of
// the way in, high quality, saved as JPEG at quality 90. The engine's start is not counted.
// Run under xvfb-run from the repository root:
//   xvfb-run -a build/bench/bench_shots [FOLDER]

#include "base/AppFolders.h"
#include "engine/RuffleFlashControl.h"
#include "engine/ShotMachine.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[])
{
    RuffleFlashControl::PrepareEngine();
    QApplication application(argc, argv);
    ComputeApplicationFolders(QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../Vorlen")).absolutePath());
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("../shared/corpus/swf");
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*.swf")}, QDir::Files, QDir::Name);
    if (names.isEmpty()) {
        std::fprintf(stderr, "no movies in %s\n", qPrintable(folder));
        return 1;
    }
    QTemporaryDir out;
    ShotMachine machine;

    // Warm up: the engine starts with the first shot.
    QElapsedTimer timer;
    timer.start();
    ShotRequest warm;
    warm.movie = dir.filePath(names.first());
    warm.size = QSize(120, 90);
    machine.TakeShot(warm);
    std::printf("engine start and first shot: %lld ms\n", static_cast<long long>(timer.elapsed()));

    int taken = 0;
    int failed = 0;
    qint64 slowest = 0;
    QString slowestName;
    QElapsedTimer one;
    timer.restart();
    for (const QString& name : names) {
        one.start();
        ShotRequest request;
        request.movie = dir.filePath(name);
        request.size = QSize(120, 90);
        request.frame = ShotFrame::Chosen([](int total) { return total / 3; });
        const Shot shot = machine.TakeShot(request);
        const bool saved
            = shot.Ok() && ShotMachine::SaveJpeg(shot.image, out.filePath(name + QStringLiteral(".jpg")), 90).isEmpty();
        if (saved)
            ++taken;
        else
            ++failed;
        if (one.elapsed() > slowest) {
            slowest = one.elapsed();
            slowestName = name;
        }
        if (!shot.Ok())
            std::printf("  failed: %s: %s\n", qPrintable(name), qPrintable(shot.error));
    }
    const double seconds = timer.elapsed() / 1000.0;
    std::printf("thumbnails: %d taken, %d failed, of %lld movies in %.2f s = %.1f per second\n", taken, failed,
        static_cast<long long>(names.size()), seconds, names.size() / seconds);
    std::printf("slowest: %s, %lld ms\n", qPrintable(slowestName), static_cast<long long>(slowest));
    return 0;
}

// The media browser's figures:
// 1. thumbnails per second over the corpus movies (../shared/corpus/swf) with one warm shot
//    control, as the browser and the generator take them (identification, frame choice, shot,
//    JPEG at the generator's 120x90); the engine's start is not counted;
// 2. listing a folder of 5000 movies whose thumbnails are all cached: the folder listing and
//    "browse.xml" (what the player's thread does), then the browser movie reading the document
//    and showing its grid.
// Run under xvfb-run from the repository root:
//   xvfb-run -a build/bench/bench_browse [MOVIE-FOLDER] [ENTRIES]

#include "UiMovieSupport.h"

#include "base/AppFolders.h"
#include "base/XmlText.h"
#include "browser/BrowseDocument.h"
#include "browser/BrowseListing.h"
#include "browser/FlashShot.h"
#include "browser/GeneratorSettings.h"
#include "browser/ThumbnailNames.h"
#include "engine/RuffleFlashControl.h"
#include "options/OptionsModule.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

namespace {

void ThumbnailsPerSecond(const QString& folder)
{
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*.swf")}, QDir::Files, QDir::Name);
    if (names.isEmpty()) {
        std::printf("no movies in %s\n", qPrintable(folder));
        return;
    }
    OptionsModule options;
    options.hqShots = true;
    options.sampleFrom = 30;
    options.sampleTo = 50;
    options.shotJpeg = 90;
    GeneratorSettings size;
    size.width = 120;
    size.height = 90;
    FlashShot shooter(options, size);
    QTemporaryDir out;

    QElapsedTimer timer;
    timer.start();
    shooter.TakeThumbnail(dir.filePath(names.first()), out.filePath(QStringLiteral("warm.jpg")), 90, false);
    std::printf("engine start and first thumbnail: %lld ms\n", static_cast<long long>(timer.elapsed()));

    int written = 0;
    timer.restart();
    for (const QString& name : names) {
        if (shooter.TakeThumbnail(dir.filePath(name), out.filePath(name + QStringLiteral(".jpg")), 90, false).isEmpty())
            ++written;
    }
    const double seconds = timer.elapsed() / 1000.0;
    std::printf("thumbnails: %d written (failed shots get the no-media picture) of %lld movies in %.2f s = %.1f per second\n",
        written, static_cast<long long>(names.size()), seconds, names.size() / seconds);
}

void LargeFolder(int entries)
{
    QTemporaryDir folder;
    const QString root = folder.path() + QLatin1Char('/');
    QImage picture(120, 90, QImage::Format_RGB32);
    picture.fill(QColor(0x33, 0x66, 0x99));
    QDir().mkpath(Folders().cache);
    const QByteArray movie = QByteArray("FWS\x08", 4) + QByteArray(40, '\0');
    QStringList cached;
    for (int i = 0; i < entries; ++i) {
        const QString path = root + QStringLiteral("movie%1.swf").arg(i, 5, 10, QLatin1Char('0'));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(movie);
        const QString thumbnail = BrowserThumbnailPath(path, false);
        picture.save(thumbnail, "JPEG", 80);
        cached << thumbnail;
    }

    QElapsedTimer timer;
    timer.start();
    const BrowseListing listing = ListBrowseFolder(root, QString(), BrowseRules());
    int missing = 0;
    for (const BrowseEntry& entry : listing.entries)
        missing += QFileInfo::exists(Folders().cache + entry.thumbnail) ? 0 : 1;
    const qint64 listed = timer.elapsed();
    const QString xmlPath = Folders().flash + QStringLiteral("bench-browse.xml");
    SaveXML(xmlPath, BrowseDocumentText(CurrentBrowseTexts(), listing, 0, Folders().cache, QString()));
    const qint64 written = timer.elapsed();
    std::printf("folder of %lld entries (%d missing thumbnails): listed in %lld ms, browse.xml written in %lld ms "
                "(%lld ms on the player's thread)\n",
        static_cast<long long>(listing.entries.size()), missing, static_cast<long long>(listed),
        static_cast<long long>(written - listed), static_cast<long long>(written));

    RuffleFlashControl control;
    control.widget()->setAttribute(Qt::WA_DontShowOnScreen);
    control.widget()->show();
    control.WaitForPage(20000);
    // A first showing starts the engine; the second is what a user sees each time.
    for (const char* run : {"first", "again", "again", "again"}) {
        timer.restart();
        const QJsonObject state = ShowUiMovie(control, QStringLiteral("browse.swf"), xmlPath, QSize(800, 560));
        const qint64 shown = timer.elapsed();
        timer.restart();
        MovieState(control);
        std::printf("browser movie (%s): grid of %lld cells shown in %lld ms (one state query: %lld ms)\n", run,
            static_cast<long long>(state.value(QStringLiteral("items")).toArray().size()), static_cast<long long>(shown),
            static_cast<long long>(timer.elapsed()));
    }
    QFile::remove(xmlPath);
    for (const QString& thumbnail : cached)
        QFile::remove(thumbnail);
}

}  // namespace

int main(int argc, char* argv[])
{
    RuffleFlashControl::PrepareEngine();
    QApplication application(argc, argv);
    ComputeApplicationFolders(QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../Vorlen")).absolutePath());
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("../shared/corpus/swf");
    const int entries = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 5000;
    ThumbnailsPerSecond(folder);
    LargeFolder(entries);
    return 0;
}

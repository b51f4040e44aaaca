// Adding a folder tree of 20 000 movie files to the playlist, saving that playlist and loading
// it again. Usage: bench_playlist [FOLDER] (a fresh tree in a temporary folder by default).
#include "playlist/Playlist.h"
#include "playlist/PlaylistFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kTopFolders = 20;
constexpr int kSubFolders = 10;
constexpr int kFilesPerFolder = 100;  // 20 x 10 x 100 = 20 000 movies

// 200 folders of 100 movies below 20 folders, with a few files that are not movies.
void MakeTree(const QString& root)
{
    const char* const extensions[] = {".swf", ".flv", ".SWF", ".swf"};
    for (int top = 0; top < kTopFolders; ++top) {
        for (int sub = 0; sub < kSubFolders; ++sub) {
            const QString folder = QStringLiteral("%1/collection %2/part %3/").arg(root).arg(top).arg(sub);
            QDir().mkpath(folder);
            for (int i = 0; i < kFilesPerFolder; ++i) {
                QFile file(folder + QStringLiteral("movie & clip %1%2").arg(i).arg(QLatin1String(extensions[i % 4])));
                file.open(QIODevice::WriteOnly);
            }
            QFile notes(folder + QStringLiteral("notes.txt"));
            notes.open(QIODevice::WriteOnly);
        }
    }
}

double Milliseconds(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir temp;
    QString root = application.arguments().value(1);
    if (root.isEmpty()) {
        root = temp.path() + QStringLiteral("/tree");
        QElapsedTimer timer;
        timer.start();
        MakeTree(root);
        std::printf("tree of %d movie files made in %.0f ms\n", kTopFolders * kSubFolders * kFilesPerFolder, Milliseconds(timer));
    }
    const QString file = temp.path() + QStringLiteral("/bench.vorlen");
    PlaylistServices services;
    services.history = [] { return false; };

    for (int run = 1; run <= 3; ++run) {
        Playlist playlist(services);
        QElapsedTimer timer;
        timer.start();
        playlist.AddToPlaylist(root, 0);
        const double add = Milliseconds(timer);

        timer.restart();
        playlist.SavePlaylist(file);
        const double save = Milliseconds(timer);

        Playlist loaded(services);
        timer.restart();
        loaded.AddToPlaylist(file, 0);
        const double load = Milliseconds(timer);

        const bool same = loaded.PLEntries() == playlist.PLEntries();
        std::printf("run %d: %d entries; add folder %.1f ms, save %.1f ms (%lld bytes), load %.1f ms%s\n", run,
            playlist.PLLast() + 1, add, save, static_cast<long long>(QFileInfo(file).size()), load,
            same ? "" : " - LOADED ENTRIES DIFFER");
    }
    return 0;
}

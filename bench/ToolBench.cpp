// vorlen-tool as people with large collections run it: a fresh process per call.
//
// Times "version" and "info" on one compressed movie (each call a new process, so every run
// pays the start-up: loading the program's libraries, the core's set-up, the header
// expansion), counts the libraries each program loads, and times "playlist list" of a
// playlist of 20 000 entries.
//
//   bench_tool [MOVIE]   (a compressed movie of about 1 MB made here by default)

#include "BenchTiming.h"

#include "swf/SwfWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <cstdio>
#include <random>

namespace {

constexpr int kRuns = 21;
constexpr int kPlaylistEntries = 20000;

QString Tool()
{
    return QStringLiteral(VORLEN_APP_DIR "/vorlen-tool");
}

QString Renderer()
{
    return QStringLiteral(VORLEN_APP_DIR "/Data/Binary/vorlen-tool-render");
}

// Runs the tool once; false when it did not end normally.
bool RunTool(const QStringList& arguments, const QProcessEnvironment& environment, QByteArray* out = nullptr)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(Tool(), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return false;
    if (out)
        *out = process.readAllStandardOutput();
    return true;
}

int LibraryCount(const QString& program)
{
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {program});
    if (!ldd.waitForFinished(30000))
        return -1;
    return static_cast<int>(ldd.readAllStandardOutput().count('\n'));
}

QString MakeMovie(const QString& folder)
{
    std::mt19937 random(19);
    SwfWriter writer;
    writer.SetVersion(10).SetFrameSize(800, 600).SetBackgroundColor(0x20, 0x40, 0x60);
    for (int frame = 0; frame < 200; ++frame) {
        QByteArray body;
        for (int i = 0; i < 4000; ++i)
            body.append(static_cast<char>(random() % 40));
        writer.AddTag(2, body).ShowFrame();
    }
    const QString path = folder + QStringLiteral("/movie.swf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(writer.ToBytes(true)) < 0)
        return QString();
    return path;
}

QString MakePlaylist(const QString& folder)
{
    QByteArray text = "<?xml version=\"1.0\"?><PLAYLIST app=\"Vorlen\" build=\"680\" play=\"-1\">";
    for (int i = 0; i < kPlaylistEntries; ++i)
        text += "\r\n\t<FILE>" + folder.toUtf8() + "/movies/clip " + QByteArray::number(i) + ".swf</FILE>";
    text += "\r\n\t</PLAYLIST>";
    const QString path = folder + QStringLiteral("/big.vorlen");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) < 0)
        return QString();
    return path;
}

void Report(const char* what, const std::vector<double>& times, double target)
{
    std::printf("%-40s median %6.1f ms, slowest %6.1f ms (target under %.0f ms) %s\n", what, Median(times), times.back(), target,
        Median(times) < target ? "ok" : "OVER");
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir temporary;
    const QString folder = temporary.path();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), folder + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("VORLEN_CONFIG_DIR"), folder + QStringLiteral("/config"));

    std::printf(
        "libraries loaded: vorlen-tool %d, %s %d\n", LibraryCount(Tool()), "vorlen-tool-render", LibraryCount(Renderer()));

    const QString movie = QCoreApplication::arguments().value(1, MakeMovie(folder));
    bool ok = true;
    Report("vorlen-tool version (fresh process)",
        TimeRuns(kRuns, [&] { ok = RunTool({QStringLiteral("version")}, environment) && ok; }), 30);
    // The first info writes the header file into the cache; the later ones expand and check the
    // movie as every identification and damage check does.
    Report("vorlen-tool info MOVIE (fresh process)",
        TimeRuns(kRuns,
            [&] {
                ok = RunTool({QStringLiteral("info"), movie}, environment) && ok;
            }),
        30);

    const QString playlist = MakePlaylist(folder);
    QByteArray listed;
    Report("vorlen-tool playlist list (20 000)",
        TimeRuns(5,
            [&] {
                ok = RunTool({QStringLiteral("playlist"), QStringLiteral("list"), playlist}, environment, &listed) && ok;
            }),
        100);
    std::printf("entries listed: %lld\n", static_cast<long long>(listed.count('\n')));
    if (!ok)
        std::printf("a run FAILED\n");
    return ok ? 0 : 1;
}

// Full expansion of a large compressed movie into the cache, against zlib's own one-call
// inflate of the same bytes in the same run. Prints both times, their ratio and the peak
// memory of the expansion against the compressed plus the expanded size.
//
// Usage: bench_decompress [compressed megabytes, default 50]

#include "base/AppFolders.h"
#include "media/CompressedMovieCache.h"
#include "media/MediaFileInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {

// Resident and peak resident set size in bytes (Linux).
int64_t StatusField(const char* name)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const size_t length = std::strlen(name);
    while (std::getline(status, line)) {
        if (line.compare(0, length, name) == 0)
            return std::stoll(line.substr(length + 1)) * 1024;
    }
    return -1;
}

// Resets the peak to the current resident size.
void ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Data that compresses to a bit over half its size, like a movie full of bitmaps and sounds.
void FillBody(char* data, int64_t size)
{
    uint32_t state = 12345;
    int64_t i = 0;
    while (i < size) {
        state = state * 1664525u + 1013904223u;
        const int run = 1 + static_cast<int>((state >> 28) & 7);
        const char value = static_cast<char>((state >> 8) & 0xFF);
        for (int r = 0; r < run && i < size; ++r, ++i)
            data[i] = (state >> 20) & 1 ? value : static_cast<char>((state >> (r + 4)) & 0x3F);
    }
}

bool WriteCompressedMovie(const QString& path, int64_t targetCompressed, int64_t* expandedSize, int64_t* compressedSize)
{
    // The body compresses to about half: aim the expanded size accordingly.
    const int64_t bodySize = targetCompressed * 2;
    std::unique_ptr<char[]> body(new char[bodySize]);
    FillBody(body.get(), bodySize);
    // A valid movie header at the start of the body: RECT, rate, count.
    const unsigned char head[] = {0x78, 0x00, 0x05, 0x5F, 0x00, 0x00, 0x0F, 0xA0, 0x00, 0x00, 0x0C, 0x01, 0x00};
    std::memcpy(body.get(), head, sizeof(head));
    uLongf bound = compressBound(static_cast<uLong>(bodySize));
    std::unique_ptr<char[]> packed(new char[bound]);
    if (compress2(reinterpret_cast<Bytef*>(packed.get()), &bound, reinterpret_cast<const Bytef*>(body.get()),
            static_cast<uLong>(bodySize), 6)
        != Z_OK)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const uint32_t length = static_cast<uint32_t>(bodySize + 8);
    const char header[8] = {'C', 'W', 'S', 10, static_cast<char>(length & 0xFF), static_cast<char>((length >> 8) & 0xFF),
        static_cast<char>((length >> 16) & 0xFF), static_cast<char>((length >> 24) & 0xFF)};
    file.write(header, 8);
    file.write(packed.get(), static_cast<qint64>(bound));
    *expandedSize = bodySize;
    *compressedSize = static_cast<int64_t>(bound);
    return true;
}

double Mb(int64_t bytes)
{
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int64_t megabytes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    QTemporaryDir dir;
    qputenv("XDG_CACHE_HOME", (dir.path() + QStringLiteral("/cache")).toUtf8());
    QDir().mkpath(dir.path() + QStringLiteral("/cache"));
    ComputeApplicationFolders(dir.path());  // no log: the diary would only add noise
    QDir().mkpath(Folders().cache);

    const QString moviePath = dir.path() + QStringLiteral("/large.swf");
    int64_t expanded = 0;
    int64_t compressed = 0;
    if (!WriteCompressedMovie(moviePath, megabytes * 1024 * 1024, &expanded, &compressed)) {
        std::fprintf(stderr, "could not make the test movie\n");
        return 1;
    }
    std::printf("movie: %.1f MB compressed, %.1f MB expanded\n", Mb(compressed), Mb(expanded));

    constexpr int kRuns = 3;
    // Our expansion: read, inflate, write the cache file, as the player does it.
    double oursBest = 1e30;
    int64_t oursPeak = 0;
    for (int run = 0; run < kRuns; ++run) {
        MediaFileInfo info;
        info.SourcePath = info.WorkingPath = moviePath;
        info.UncompressedSize = static_cast<double>(expanded + 8);
        const int64_t before = StatusField("VmRSS:");
        ResetPeak();
        QElapsedTimer timer;
        timer.start();
        const QString target = DecompressFlash(info, false);
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        oursPeak = std::max(oursPeak, StatusField("VmHWM:") - before);
        if (target.isEmpty()) {
            std::fprintf(stderr, "expansion failed\n");
            return 1;
        }
        oursBest = std::min(oursBest, ms);
    }

    // zlib's own inflate of the same bytes, already in memory.
    QFile file(moviePath);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    file.close();
    double zlibBest = 1e30;
    double zlibTouchedBest = 1e30;
    for (int run = 0; run < 2 * kRuns; ++run) {
        // Odd runs give zlib a buffer whose pages are already in place: its best case.
        const bool touched = run % 2 == 1;
        std::unique_ptr<char[]> out(new char[expanded]);
        if (touched)
            std::memset(out.get(), 0, static_cast<size_t>(expanded));
        uLongf size = static_cast<uLongf>(expanded);
        QElapsedTimer timer;
        timer.start();
        const int code = uncompress(reinterpret_cast<Bytef*>(out.get()), &size,
            reinterpret_cast<const Bytef*>(bytes.constData() + 8), static_cast<uLong>(bytes.size() - 8));
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        if (code != Z_OK) {
            std::fprintf(stderr, "zlib failed: %d\n", code);
            return 1;
        }
        double& best = touched ? zlibTouchedBest : zlibBest;
        best = std::min(best, ms);
    }

    const double ratio = oursBest / zlibBest;
    const double memoryLimit = static_cast<double>(compressed + expanded) * 1.1;
    std::printf("DecompressFlash (full, file to file): %.1f ms (best of %d)\n", oursBest, kRuns);
    std::printf("zlib uncompress (memory to memory):   %.1f ms (best of %d)\n", zlibBest, kRuns);
    std::printf("zlib uncompress, output pages in place: %.1f ms (best of %d)\n", zlibTouchedBest, kRuns);
    std::printf("time ratio: %.2f (target <= 1.20) %s\n", ratio, ratio <= 1.2 ? "ok" : "OVER");
    std::printf("time ratio against zlib's best case: %.2f\n", oursBest / zlibTouchedBest);
    std::printf("peak memory of the expansion: %.1f MB; limit (compressed + expanded + 10%%): %.1f MB %s\n", Mb(oursPeak),
        memoryLimit / (1024.0 * 1024.0), static_cast<double>(oursPeak) <= memoryLimit ? "ok" : "OVER");
    return 0;
}

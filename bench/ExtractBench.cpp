// Resource extraction against a plain copy of the same bytes.
//
// Makes a movie of many small image and sound tags (200 MB unless a size in MB is given),
// then times, in the same run, a plain copy of the movie (read + write) and the extraction
// of all its resources, and reports the peak memory of the process against the largest tag.
//
//   bench_extract [SIZE_MB] [WORK_FOLDER]

#include "base/AppFolders.h"
#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"
#include "media/ResourceExtractor.h"
#include "swf/SwfWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>

#include <unistd.h>

namespace {

// Peak resident memory of this process in KB.
long PeakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Resets the peak so that the next figure covers only what follows.
void ResetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

QByteArray RandomBytes(std::mt19937& random, int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(random() & 0xFF);
    return bytes;
}

// Writes the movie tag by tag, never holding more than one tag; returns the largest tag.
qint64 MakeMovie(const QString& path, qint64 targetBytes)
{
    std::mt19937 random(732);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return -1;
    SwfWriter header;
    header.SetVersion(8).SetFrameSize(640, 480);
    file.write(header.ToBytes(false, false));

    // Quantisation and Huffman table segments (the usual 574-byte block), joined with every
    // DefineBits image.
    QByteArray tables("\xFF\xD8\xFF\xDB\x00\x84", 6);
    tables += RandomBytes(random, 0x84 - 2) + QByteArray("\xFF\xC4\x01\xA2", 4);
    tables += RandomBytes(random, 0x1A2 - 2) + QByteArray("\xFF\xD9", 2);
    file.write(EncodeTag(8, tables));
    // The head of an image up to its scan data: start of image, scan header.
    const QByteArray imageHead("\xFF\xD8\xFF\xDA\x00\x0C\x03\x01\x00\x02\x11\x03\x11\x00\x3F\x00", 16);
    const QByteArray pool = RandomBytes(random, 1 << 20);  // payload bytes, reused
    QByteArray streamHead;
    AppendU8(streamHead, 0);
    AppendU8(streamHead, 0x2F);
    AppendU16(streamHead, 1152);
    file.write(EncodeTag(18, streamHead));

    qint64 largest = 0;
    uint16_t id = 1;
    int kind = 0;
    while (file.pos() < targetBytes) {
        QByteArray body;
        AppendU16(body, id);
        switch (kind++ % 4) {
        case 0: {  // DefineBits: image data after the ID
            const int size = 8000 + static_cast<int>(random() % 56000);
            body += imageHead + pool.mid(random() % (pool.size() - size), size);
            file.write(EncodeTag(6, body));
            break;
        }
        case 1: {  // DefineBitsJPEG2
            const int size = 8000 + static_cast<int>(random() % 56000);
            body += QByteArray("\xFF\xD9\xFF\xD8", 4) + imageHead + pool.mid(random() % (pool.size() - size), size);
            file.write(EncodeTag(21, body));
            break;
        }
        case 2: {  // DefineSound, MP3
            const int size = 4000 + static_cast<int>(random() % 60000);
            AppendU8(body, 0x2F);
            AppendU32(body, 1152);
            AppendU16(body, 0);
            body += QByteArray("\xFF\xFB\x90\x64", 4) + pool.mid(random() % (pool.size() - size), size);
            file.write(EncodeTag(14, body));
            break;
        }
        default: {  // a frame's worth of stream blocks and one ShowFrame
            for (int i = 0; i < 8; ++i) {
                QByteArray block;
                AppendU32(block, 0);
                block += pool.mid(random() % (pool.size() - 2000), 400 + random() % 1600);
                file.write(EncodeTag(19, block));
            }
            file.write(EncodeTag(1, QByteArray()));
            break;
        }
        }
        largest = std::max<qint64>(largest, body.size());
        id = static_cast<uint16_t>(id % 60000 + 1);
    }
    file.write(EncodeTag(0, QByteArray()));
    const quint32 length = static_cast<quint32>(file.pos());
    file.seek(4);
    QByteArray lengthField;
    AppendU32(lengthField, length);
    file.write(lengthField);
    return largest;
}

double CopyOnce(const QString& from, const QString& to)
{
    QElapsedTimer timer;
    timer.start();
    QFile::remove(to);
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return -1;
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    qint64 got = 0;
    while ((got = in.read(chunk.data(), chunk.size())) > 0)
        out.write(chunk.constData(), got);
    out.close();
    return timer.nsecsElapsed() / 1e6;
}

double ExtractOnce(const QString& movie, const QString& destination, ExtractCounters& counters)
{
    QElapsedTimer timer;
    timer.start();
    MediaFileInfo info;
    if (!IdentifyMedia(movie, info, true).isEmpty())
        return -1;
    counters = ExtractCounters::Chosen(true, false, true, true, false);
    const bool cancel = false;
    int reports = 0;
    ExtractProgress progress;
    progress.report = [&reports](double, const QString&) { ++reports; };
    ExtractResources(info, destination, progress, counters, cancel);
    return timer.nsecsElapsed() / 1e6;
}

// The file system's own share: the files the extraction wrote, written again from memory
// with the same open / write / close per file.
double WriteFilesOnce(const QString& folder, qint64& bytes)
{
    QList<QPair<QString, QByteArray>> files;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::Files)) {
        QFile file(entry.filePath());
        if (file.open(QIODevice::ReadOnly))
            files.append({entry.filePath(), file.readAll()});
    }
    ::sync();
    QElapsedTimer timer;
    timer.start();
    bytes = 0;
    for (const auto& [path, data] : files) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            bytes += file.write(data);
    }
    return timer.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const qint64 sizeMb = arguments.size() > 1 ? arguments[1].toLongLong() : 200;
    QTemporaryDir temporary(arguments.size() > 2 ? arguments[2] + QStringLiteral("/bench-XXXXXX") : QString());
    const QString work = temporary.path() + QLatin1Char('/');
    ComputeApplicationFolders(work);  // no log: the walk's diary lines are dropped

    const QString movie = work + QStringLiteral("bench.swf");
    const qint64 largest = MakeMovie(movie, sizeMb * 1024 * 1024);
    const qint64 movieBytes = QFileInfo(movie).size();
    QDir().mkpath(work + QStringLiteral("out"));
    std::printf("movie: %.1f MB, largest tag %.1f KB\n", movieBytes / 1048576.0, largest / 1024.0);

    // Warm the page cache, then alternate copy and extraction; the best of three each. The
    // extraction runs into an emptied folder (files created) and into the folder it filled
    // (files replaced) in turn.
    CopyOnce(movie, work + QStringLiteral("copy.swf"));
    double bestCopy = 1e30, bestExtract = 1e30, bestFresh = 1e30, bestReplacing = 1e30;
    long copyPeak = 0, extractPeak = 0;
    ExtractCounters counters;
    for (int round = 0; round < 6; ++round) {
        const bool fresh = round % 2 == 0;
        if (fresh) {
            QDir(work + QStringLiteral("out")).removeRecursively();
            QDir().mkpath(work + QStringLiteral("out"));
        }
        ::sync();  // writeback of the previous round stays out of the figures
        ResetPeak();
        bestCopy = std::min(bestCopy, CopyOnce(movie, work + QStringLiteral("copy.swf")));
        copyPeak = std::max(copyPeak, PeakResidentKb());
        ::sync();
        ResetPeak();
        const double extract = ExtractOnce(movie, work + QStringLiteral("out/"), counters);
        std::printf("round %d: extract %.1f ms (%s)\n", round + 1, extract, fresh ? "files created" : "files replaced");
        bestExtract = std::min(bestExtract, extract);
        (fresh ? bestFresh : bestReplacing) = std::min(fresh ? bestFresh : bestReplacing, extract);
        extractPeak = std::max(extractPeak, PeakResidentKb());
    }
    std::printf("into an empty folder: %.1f ms; replacing every file: %.1f ms (ratio %.2f)\n", bestFresh, bestReplacing,
        bestReplacing / bestFresh);
    qint64 fileBytes = 0;
    const double floor = WriteFilesOnce(work + QStringLiteral("out/"), fileBytes);
    std::printf("files: %d JPEG, %d event MP3, %d stream\n", counters[ResourceKind::Jpeg], counters[ResourceKind::Event],
        counters[ResourceKind::Stream]);
    std::printf(
        "copy:    %8.1f ms  (%.0f MB/s), peak resident %ld KB\n", bestCopy, movieBytes / 1048576.0 / (bestCopy / 1000), copyPeak);
    std::printf("extract: %8.1f ms  (%.0f MB/s), peak resident %ld KB\n", bestExtract,
        movieBytes / 1048576.0 / (bestExtract / 1000), extractPeak);
    std::printf("writing the same files from memory: %.1f ms (%.1f MB in %d files)\n", floor, fileBytes / 1048576.0,
        int(QDir(work + QStringLiteral("out")).entryList(QDir::Files).size()));
    std::printf("ratio extract/copy: %.2f (target at most 2.00)\n", bestExtract / bestCopy);
    return 0;
}

#include "media/CompressedMovieCache.h"

#include "base/AppFolders.h"
#include "base/ByteReader.h"
#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "media/CacheFileWriter.h"
#include "media/MediaFileInfo.h"
#include "swf/SwfBodyExpander.h"
#include "swf/SwfWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

constexpr int kHeaderOnlyBody = 18;  // frame rectangle, rate and count of all ordinary movies

// The outcome of an expansion as zlib's one-call uncompress reports it for a buffer of
// capacity bytes.
int ZlibCode(const ExpansionResult& result, int64_t capacity)
{
    switch (result.end) {
    case ExpansionEnd::StreamEnd:
        return Z_OK;
    case ExpansionEnd::Full:
        return Z_BUF_ERROR;
    case ExpansionEnd::OutOfMemory:
        return Z_MEM_ERROR;
    case ExpansionEnd::DataEnd:
        // Cut short: a data error while room remains, a buffer error when it is full.
        return result.produced < capacity ? Z_DATA_ERROR : Z_BUF_ERROR;
    case ExpansionEnd::Damaged:
        break;
    }
    return Z_DATA_ERROR;
}

// Copies the first keep bytes of the expanded data into output.
ExpansionOutput KeepFirst(char* output, int64_t keep)
{
    auto kept = std::make_shared<int64_t>(0);
    return [output, keep, kept](const char* data, int64_t size) {
        const int64_t take = std::min(size, keep - *kept);
        if (take > 0) {
            std::memcpy(output + *kept, data, static_cast<size_t>(take));
            *kept += take;
        }
    };
}

// How an expansion went, as the cache reports it: zlib's codes for compressed movies; an LZMA
// movie whose header or stream is damaged fails the expansion.
bool Usable(const ExpansionResult& result, SwfCompression compression, int64_t capacity)
{
    if (compression == SwfCompression::Lzma)
        return result.end != ExpansionEnd::Damaged && result.end != ExpansionEnd::OutOfMemory;
    // A cut-short or damaged zlib stream (Z_DATA_ERROR) is passed over in silence.
    const int code = ZlibCode(result, capacity);
    if (code != Z_OK && code != Z_DATA_ERROR)
        LogLine(QStringLiteral("Warning: decompression error ") + QString::number(code));
    return true;
}

// The compressed body of a movie file, read as it goes.
struct CompressedSource {
    QFile file;
    SwfFileHeader header;
    SwfLzmaHeader lzma;
    int64_t bodySize = 0;  // compressed bytes after the headers

    bool Open(const QString& path)
    {
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        ByteReader reader(&file);
        if (!ReadSwfFileHeader(reader, header))
            return false;
        if (header.compression == SwfCompression::Lzma && !ReadSwfLzmaHeader(reader, lzma))
            return false;
        bodySize = file.size() - file.pos();
        return true;
    }

    SwfCompression Compression() const
    {
        return header.compression == SwfCompression::Lzma ? SwfCompression::Lzma : SwfCompression::Zlib;
    }

    // "FWS", the version and the length field as the compressed file states them.
    QByteArray PlainHeader() const
    {
        QByteArray bytes("FWS");
        AppendU8(bytes, header.version);
        AppendU32(bytes, header.length);
        return bytes;
    }

    ExpansionResult Expand(const ExpansionOutput& output, int64_t capacity)
    {
        return ExpandSwfBody(Compression(), lzma.properties, InputFromDevice(file), output, capacity);
    }
};

}  // namespace

int Uncompress(const char* input, int64_t inputSize, char* output, int64_t capacity)
{
    bool given = false;
    const ExpansionInput whole = [&](const char** data, int64_t* size) {
        if (given)
            return false;
        given = true;
        *data = input;
        *size = inputSize;
        return true;
    };
    const ExpansionResult result
        = ExpandSwfBody(SwfCompression::Zlib, QByteArray(), whole, KeepFirst(output, capacity), capacity);
    return ZlibCode(result, capacity);
}

int UncompressDevice(QIODevice& input, char* output, int64_t capacity, int64_t keep)
{
    const ExpansionResult result = ExpandSwfBody(SwfCompression::Zlib, QByteArray(), InputFromDevice(input),
        KeepFirst(output, std::clamp<int64_t>(keep, 0, capacity)), capacity);
    return ZlibCode(result, capacity);
}

QString CachePathFor(const QString& path, const QString& suffix, bool flatten, bool nameOnly)
{
    if (!flatten) {
        const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
        QString stem = dot < 0 ? path : path.left(dot);
        if (nameOnly)
            stem = FileNameOf(stem);
        return stem + suffix;
    }
    QString name = path;
    name.replace(QStringLiteral(":\\"), QStringLiteral("@"));
    name.replace(QStringLiteral("\\\\"), QStringLiteral("#"));
    name.replace(QStringLiteral("//"), QStringLiteral("#"));
    name.replace(QLatin1Char('\\'), QLatin1Char('#'));
    name.replace(QLatin1Char('/'), QLatin1Char('#'));
    if (!nameOnly)
        name.prepend(Folders().cache);
    return name + suffix;
}

QString DecompressFlash(MediaFileInfo& info, bool headerOnly)
{
    LogTiming(QString(), false);
    LogEmptyLine();
    LogLine(QStringLiteral(" :: DecompressFlash (") + (headerOnly ? QStringLiteral("Header Only") : QStringLiteral("Full"))
        + QStringLiteral(")"));
    const QString target = CachePathFor(info.SourcePath, QStringLiteral(".tmp"), true, false);
    if (headerOnly && QFileInfo::exists(target)) {
        LogLine(QStringLiteral("Header exists - skipping"));
        return target;
    }
    LogLine(QStringLiteral("Target path: ") + target);
    LogLine(QStringLiteral("Reading data"));

    CompressedSource source;
    if (!source.Open(info.WorkingPath))
        return QString();
    LogLine(QStringLiteral("Decompression"));
    if (source.header.length < static_cast<uint32_t>(kSwfFileHeaderSize))
        return QString();
    const int64_t capacity = static_cast<int64_t>(source.header.length) - kSwfFileHeaderSize;
    const SwfCompression compression = source.Compression();

    if (headerOnly) {
        // The header file keeps 18 bytes; the rest is expanded only to learn how the stream ends.
        QByteArray body(kHeaderOnlyBody, '\0');
        const ExpansionResult result
            = source.Expand(KeepFirst(body.data(), std::min<int64_t>(capacity, kHeaderOnlyBody)), capacity);
        source.file.close();
        if (!Usable(result, compression, capacity))
            return QString();
        LogLine(QStringLiteral("Writing new header"));
        CacheFileWriter file(target);
        if (!file.Open() || !file.Write(source.PlainHeader()) || !file.Write(body) || !file.Commit())
            return QString();
        return target;
    }

    // The expanded bytes go straight to the cache file as they come. A cache file that cannot
    // be created still lets the expansion run; the failure shows where the data is written.
    CacheFileWriter file(target);
    const bool opened = file.Open() && file.Write(source.PlainHeader());
    const ExpansionResult result = source.Expand(
        [&](const char* data, int64_t size) {
            if (opened)
                file.Write(data, size);
        },
        capacity);
    source.file.close();
    if (!Usable(result, compression, capacity))
        return QString();
    // A stream cut short or damaged leaves zeros where its data is missing, up to the stated
    // length, as long as that is a length the compressed bytes could have filled. A stream that
    // ended ends the copy: nothing is reserved for a length field that claims more.
    const bool broken = result.end == ExpansionEnd::DataEnd || result.end == ExpansionEnd::Damaged;
    if (opened && broken && result.produced < capacity && capacity <= MostExpandedSize(compression, source.bodySize)) {
        file.File().flush();
        file.File().resize(kSwfFileHeaderSize + capacity);
    }
    if (QFileInfo::exists(target)) {
        LogLine(QStringLiteral("Removing persistent file"));
        QFile::remove(target);
    }
    LogLine(QStringLiteral("Writing decompressed data"));
    if (!opened || !file.Commit())
        return QString();
    LogLine(QStringLiteral("Decompression succeeded"));
    info.SourcePath = info.WorkingPath;
    info.WorkingPath = target;
    LogTiming(QStringLiteral("Decompressed"), false);
    return target;
}

void ClearCache(int mode)
{
    QStringList patterns;
    switch (mode) {
    case 1:
        patterns = {QStringLiteral("*.swf"), QStringLiteral("*.exe"), QStringLiteral("*.tmp")};
        break;
    case 2:
        patterns = {QStringLiteral("*")};
        break;
    case 3:
        patterns = {QStringLiteral("*.jpg")};
        break;
    default:
        return;
    }
    const QString folder = Folders().cache;
    if (folder.isEmpty())
        return;
    QDir dir(folder);
    for (const QString& pattern : patterns) {
        const QStringList names = dir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
        for (const QString& name : names)
            QFile::remove(dir.filePath(name));
    }
}

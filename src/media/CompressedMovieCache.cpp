#include "media/CompressedMovieCache.h"

#include "base/AppFolders.h"
#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "media/CacheFileWriter.h"
#include "media/MediaFileInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>

namespace {

constexpr int kHeaderSize = 8;
constexpr int kHeaderOnlyBody = 18;  // frame rectangle, rate and count of all ordinary movies
constexpr int64_t kInputChunk = 256 * 1024;
constexpr int64_t kScratchSize = 64 * 1024;
constexpr int64_t kMaxStep = std::numeric_limits<uInt>::max();

// Supplies the next piece of compressed input; an empty span means the input is exhausted.
using InputSource = std::function<bool(const char** data, int64_t* size)>;

// Inflates into a virtual buffer of capacity bytes whose first keep bytes are real storage,
// mapping the outcome to the codes of zlib's one-call uncompress.
int InflateInto(const InputSource& next, char* output, int64_t capacity, int64_t keep)
{
    z_stream stream;
    std::memset(&stream, 0, sizeof(stream));
    if (inflateInit(&stream) != Z_OK)
        return Z_MEM_ERROR;

    std::unique_ptr<char[]> scratch;
    int64_t produced = 0;  // bytes of the virtual buffer filled so far
    bool inputDone = false;
    int result = Z_OK;
    for (;;) {
        if (stream.avail_in == 0 && !inputDone) {
            const char* data = nullptr;
            int64_t size = 0;
            if (!next(&data, &size) || size <= 0) {
                inputDone = true;
            } else {
                stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
                stream.avail_in = static_cast<uInt>(std::min(size, kMaxStep));
            }
        }
        const int64_t room = capacity - produced;
        int64_t step = 0;
        if (produced < keep) {
            step = std::min({keep - produced, room, kMaxStep});
            stream.next_out = reinterpret_cast<Bytef*>(output + produced);
        } else {
            if (!scratch)
                scratch.reset(new char[kScratchSize]);
            step = std::min(room, kScratchSize);
            stream.next_out = reinterpret_cast<Bytef*>(scratch.get());
        }
        // With no room left zlib still needs a place to detect whether more output follows.
        char spare = 0;
        if (step == 0)
            stream.next_out = reinterpret_cast<Bytef*>(&spare);
        stream.avail_out = static_cast<uInt>(step == 0 ? 1 : step);
        const uInt availBefore = stream.avail_out;
        const int code = inflate(&stream, Z_NO_FLUSH);
        const int64_t written = static_cast<int64_t>(availBefore - stream.avail_out);
        if (step == 0 && written > 0) {
            result = Z_BUF_ERROR;  // more output than the buffer holds
            break;
        }
        produced += written;
        if (code == Z_STREAM_END) {
            result = Z_OK;
            break;
        }
        if (code == Z_NEED_DICT) {
            result = Z_DATA_ERROR;
            break;
        }
        if (code == Z_BUF_ERROR) {
            if (stream.avail_in == 0 && inputDone) {
                // Cut short: a data error while room remains, a buffer error when it is full.
                result = produced < capacity ? Z_DATA_ERROR : Z_BUF_ERROR;
                break;
            }
            continue;
        }
        if (code != Z_OK) {
            result = code;
            break;
        }
        if (stream.avail_in == 0 && inputDone && written == 0) {
            result = produced < capacity ? Z_DATA_ERROR : Z_BUF_ERROR;
            break;
        }
    }
    inflateEnd(&stream);
    return result;
}

struct FreeDeleter {
    void operator()(char* p) const { std::free(p); }
};

bool WriteHeaderFile(const QString& target, QByteArray header, const QByteArray& body)
{
    header[0] = 'F';  // the expanded copy is an ordinary movie: "FWS", version and length kept
    CacheFileWriter file(target);
    return file.open() && file.write(header) && file.write(body) && file.commit();
}

// The buffer of a full expansion. It is the mapped body of the cache file being written,
// already as long as the movie and zero-filled, so the expanded bytes are written once, by
// zlib. Where a file cannot be mapped, a zero-filled buffer in memory is written out instead.
// A cache file that cannot be created still gets a buffer in memory: the expansion runs and
// is logged as usual, and the failure shows where the data is written (commit).
class ExpansionBuffer {
public:
    ExpansionBuffer(const QString& target, QByteArray header, int64_t capacity)
        : m_writer(target)
        , m_capacity(capacity)
    {
        header[0] = 'F';  // the expanded copy is an ordinary movie: "FWS", version and length kept
        m_opened = m_writer.open() && m_writer.write(header);
        QFile& file = m_writer.file();
        if (m_opened && capacity > 0 && file.resize(kHeaderSize + capacity))
            m_map = file.map(0, kHeaderSize + capacity);
        if (m_map) {
            m_data = reinterpret_cast<char*>(m_map) + kHeaderSize;
        } else {
            // calloc: the zero fill is where a cut-short stream leaves its gap.
            m_memory.reset(static_cast<char*>(std::calloc(static_cast<size_t>(std::max<int64_t>(capacity, 1)), 1)));
            m_data = m_memory.get();
        }
        m_ok = m_data != nullptr;
    }

    ~ExpansionBuffer()
    {
        if (m_map)
            m_writer.file().unmap(m_map);
    }

    ExpansionBuffer(const ExpansionBuffer&) = delete;
    ExpansionBuffer& operator=(const ExpansionBuffer&) = delete;

    bool ok() const { return m_ok; }
    char* data() { return m_data; }

    // Finishes the file under the target's name.
    bool commit()
    {
        if (!m_opened)
            return false;
        if (m_map) {
            const bool unmapped = m_writer.file().unmap(m_map);
            m_map = nullptr;
            if (!unmapped)
                return false;
        } else if (!m_writer.write(m_memory.get(), m_capacity)) {
            return false;
        }
        return m_writer.commit();
    }

private:
    CacheFileWriter m_writer;
    int64_t m_capacity = 0;
    uchar* m_map = nullptr;
    std::unique_ptr<char, FreeDeleter> m_memory;
    char* m_data = nullptr;
    bool m_opened = false;
    bool m_ok = false;
};

void WarnAbout(int code)
{
    // A cut-short or damaged stream (Z_DATA_ERROR) is passed over in silence.
    if (code != Z_OK && code != Z_DATA_ERROR)
        LogLine(QStringLiteral("Warning: decompression error ") + QString::number(code));
}

}  // namespace

int Uncompress(const char* input, int64_t inputSize, char* output, int64_t capacity)
{
    // A single span may exceed what one inflate call takes; the loop feeds it in steps.
    int64_t offset = 0;
    const InputSource stepped = [&](const char** data, int64_t* size) {
        if (offset >= inputSize)
            return false;
        *data = input + offset;
        *size = std::min(inputSize - offset, kMaxStep);
        offset += *size;
        return true;
    };
    return InflateInto(stepped, output, capacity, capacity);
}

int UncompressDevice(QIODevice& input, char* output, int64_t capacity, int64_t keep)
{
    std::unique_ptr<char[]> chunk(new char[kInputChunk]);
    const InputSource source = [&](const char** data, int64_t* size) {
        const qint64 got = input.read(chunk.get(), kInputChunk);
        if (got <= 0)
            return false;
        *data = chunk.get();
        *size = got;
        return true;
    };
    return InflateInto(source, output, capacity, std::clamp<int64_t>(keep, 0, capacity));
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

    QFile source(info.WorkingPath);
    if (!source.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray header = source.read(kHeaderSize);
    if (header.size() != kHeaderSize)
        return QString();

    LogLine(QStringLiteral("Decompression"));
    const uint32_t length = static_cast<uint8_t>(header[4]) | (static_cast<uint32_t>(static_cast<uint8_t>(header[5])) << 8)
        | (static_cast<uint32_t>(static_cast<uint8_t>(header[6])) << 16)
        | (static_cast<uint32_t>(static_cast<uint8_t>(header[7])) << 24);
    if (length < static_cast<uint32_t>(kHeaderSize))
        return QString();
    const int64_t capacity = static_cast<int64_t>(length) - kHeaderSize;

    if (headerOnly) {
        // The header file keeps 18 bytes; the rest is expanded only to learn zlib's verdict.
        QByteArray body(kHeaderOnlyBody, '\0');
        const int code = UncompressDevice(source, body.data(), capacity, std::min<int64_t>(capacity, kHeaderOnlyBody));
        source.close();
        WarnAbout(code);
        LogLine(QStringLiteral("Writing new header"));
        if (!WriteHeaderFile(target, header, body))
            return QString();
        return target;
    }

    ExpansionBuffer buffer(target, header, capacity);
    if (!buffer.ok())
        return QString();
    const int code = UncompressDevice(source, buffer.data(), capacity, capacity);
    source.close();
    WarnAbout(code);
    if (QFileInfo::exists(target)) {
        LogLine(QStringLiteral("Removing persistent file"));
        QFile::remove(target);
    }
    LogLine(QStringLiteral("Writing decompressed data"));
    if (!buffer.commit())
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

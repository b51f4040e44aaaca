#include "media/ResourceExtractor.h"

#include "base/ByteReader.h"
#include "base/ErrorContext.h"
#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "base/RuntimeErrors.h"
#include "media/MediaFileInfo.h"

#include <QFile>
#include <QFileInfo>
#include <QTime>

#include <sys/stat.h>

#include <cmath>
#include <cstring>
#include <memory>

namespace {

// Tag codes the walk acts on.
constexpr uint16_t kEnd = 0;
constexpr uint16_t kDefineBits = 6;
constexpr uint16_t kJpegTables = 8;
constexpr uint16_t kDefineSound = 14;
constexpr uint16_t kSoundStreamHead = 18;
constexpr uint16_t kSoundStreamBlock = 19;
constexpr uint16_t kDefineBitsJpeg2 = 21;
constexpr uint16_t kDefineSprite = 39;
constexpr uint16_t kSoundStreamHead2 = 45;

// The sound format that is written out: MP3.
constexpr int kMp3Format = 2;
// Seconds between two message pumps, at least.
constexpr float kPumpInterval = 0.1f;

// The JPEG fix-up's layout: table data without its own header, then the image.
constexpr int kTableBytes = 570;
constexpr int kImageHeadBytes = 40;
constexpr int kFixedHeadBytes = 612;

float TimeOfDay()
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

// Opens a new, empty output file. An existing file of that name is replaced, never appended
// to: emptied in place when it can be (creating files anew after deleting them costs the file
// system far more than the copy of the data), else deleted first; a link (symbolic, or a file
// with other names) is always deleted, so nothing is written through it.
bool OpenResourceFile(QFile& file)
{
    const QFileInfo existing(file.fileName());
    struct stat status { };
    const bool otherNames = ::lstat(QFile::encodeName(file.fileName()).constData(), &status) == 0 && status.st_nlink > 1;
    if (existing.isSymLink() || otherNames || (existing.exists() && !existing.isFile()))
        QFile::remove(file.fileName());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return true;
    QFile::remove(file.fileName());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

bool WriteResourceFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!OpenResourceFile(file))
        return false;
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

// One walk over one movie. Positions are 0-based file offsets; a sprite's control tags are
// walked in line, bounded by the sprite's own length.
class TagWalk {
public:
    TagWalk(const ExtractSource& source, const QString& destination, const ExtractProgress& progress, ExtractCounters& counters)
        : m_source(source)
        , m_base(WithTrailingSlash(destination) + source.fileName)
        , m_progress(progress)
        , m_counters(counters)
    {
    }

    void run(const bool& cancel);

private:
    // Handles the tag whose data starts at m_pos; returns its caption when it was handled.
    QString dispatch(uint16_t code, int64_t length, bool complete);
    void defineBits(int64_t length);
    void defineBitsJpeg2(int64_t length);
    void jpegTables(int64_t length);
    void defineSound(int64_t length);
    void soundStreamHead(int64_t length);
    void soundStreamBlock(int64_t length);
    void enterSprite(int64_t length);
    void leaveSprite();
    // Writes m_jpeg, fixed up, as the image of character id.
    void writeJpeg(uint16_t id);
    void reportProgress(const QString& caption, int64_t length);

    bool chosen(ResourceKind kind) const { return m_counters[kind] >= 0; }
    // The stream file of the timeline being walked.
    std::unique_ptr<QFile>& currentStream() { return m_inSprite ? m_spriteStream : m_rootStream; }
    void closeStream(std::unique_ptr<QFile>& stream) { stream.reset(); }

    const ExtractSource& m_source;
    const QString m_base;  // destination folder + movie file name
    const ExtractProgress& m_progress;
    ExtractCounters& m_counters;

    ByteReader* m_reader = nullptr;
    int64_t m_fileEnd = 0;
    int64_t m_pos = 0;   // start of the current tag's data
    int64_t m_next = 0;  // where the next tag starts
    QByteArray m_tables = QByteArray(1, '\0');
    // Tag data and the image being written; kept between tags so their storage is reused.
    QByteArray m_data;
    QByteArray m_jpeg;
    uint16_t m_spriteNumber = 0;
    bool m_inSprite = false;
    int64_t m_spriteEnd = 0;
    std::unique_ptr<QFile> m_rootStream;
    std::unique_ptr<QFile> m_spriteStream;
    float m_lastPump = 0;
};

void TagWalk::run(const bool& cancel)
{
    LogEmptyLine();
    LogLine(QStringLiteral(" :: Resource Extraction"));
    if (m_source.isVideo) {
        LogLine(QStringLiteral("Video Extraction is not supported"));
        return;
    }
    QFile movie(m_source.workingPath);
    if (!movie.open(QIODevice::ReadOnly)) {
        SetCurrentError(RuntimeError::FileNotFound, QStringLiteral("ExtractResources"), movie.errorString());
        LogErrorReport(QStringLiteral("ExtractResources"), m_source.workingPath);
        return;
    }
    ByteReader reader(&movie);
    m_reader = &reader;
    m_fileEnd = reader.size();
    m_pos = std::max(0, m_source.firstTagPosition - 1);

    while (!cancel && m_pos < m_fileEnd) {
        if (m_inSprite && m_pos >= m_spriteEnd)
            leaveSprite();
        const int64_t limit = m_inSprite ? m_spriteEnd : m_fileEnd;
        const int64_t headerEnd = m_pos + 2;
        if (headerEnd > limit) {
            if (!m_inSprite)
                break;
            m_pos = m_spriteEnd;  // a sprite cut short inside a tag header
            continue;
        }
        if (reader.pos() != m_pos)
            reader.seek(m_pos);  // skipped data; a handled tag leaves the reader in place
        const uint16_t header = reader.readU16();
        const uint16_t code = header >> 6;
        int64_t length = header & 0x3F;
        m_pos += 2;
        if (length == 0x3F) {
            if (m_pos + 4 > limit) {
                if (!m_inSprite)
                    break;
                m_pos = m_spriteEnd;
                continue;
            }
            length = reader.readU32();
            m_pos += 4;
        }
        const bool complete = m_pos + length <= limit;
        m_next = m_pos + length;
        if (m_inSprite && !complete)
            m_next = m_spriteEnd;  // the sprite's damaged rest is left, the walk resumes after it
        const QString caption = dispatch(code, length, complete);
        if (!caption.isEmpty())
            reportProgress(caption, length);
        if (!reader.ok())
            break;  // the movie file itself failed to read
        m_pos = m_next;
    }
    m_rootStream.reset();
    m_spriteStream.reset();
    m_reader = nullptr;
}

QString TagWalk::dispatch(uint16_t code, int64_t length, bool complete)
{
    switch (code) {
    case kEnd:
        m_spriteNumber = 0;
        closeStream(currentStream());
        if (m_inSprite) {
            m_next = m_spriteEnd;  // whatever follows a sprite's End inside the sprite is not a tag
            leaveSprite();
        }
        return QStringLiteral("End");
    case kDefineBits:
        if (!chosen(ResourceKind::Jpeg))
            return QString();
        if (complete)
            defineBits(length);
        return QStringLiteral("DefineBits");
    case kJpegTables:
        if (complete)
            jpegTables(length);
        return QStringLiteral("JPEGTables");
    case kDefineSound:
        if (!chosen(ResourceKind::Event))
            return QString();
        if (complete)
            defineSound(length);
        return QStringLiteral("DefineSound");
    case kSoundStreamHead:
    case kSoundStreamHead2:
        if (!chosen(ResourceKind::Stream))
            return QString();
        if (complete)
            soundStreamHead(length);
        return code == kSoundStreamHead ? QStringLiteral("SoundStreamHead") : QStringLiteral("SoundStreamHead2");
    case kSoundStreamBlock:
        if (!chosen(ResourceKind::Stream))
            return QString();
        if (complete)
            soundStreamBlock(length);
        return QStringLiteral("SoundStreamBlock");
    case kDefineBitsJpeg2:
        if (!chosen(ResourceKind::Jpeg))
            return QString();
        if (complete)
            defineBitsJpeg2(length);
        return QStringLiteral("DefineBitsJPEG2");
    case kDefineSprite:
        if (m_inSprite)
            return QString();  // sprites do not nest: skipped whole
        enterSprite(length);
        return QStringLiteral("DefineSprite");
    default:
        return QString();
    }
}

void TagWalk::defineBits(int64_t length)
{
    if (length < 2)
        return;
    const uint16_t id = m_reader->readU16();
    if (!m_reader->readInto(m_data, length - 2))
        return;
    m_jpeg.resize(m_tables.size() + m_data.size());
    std::memcpy(m_jpeg.data(), m_tables.constData(), m_tables.size());
    std::memcpy(m_jpeg.data() + m_tables.size(), m_data.constData(), m_data.size());
    writeJpeg(id);
}

void TagWalk::defineBitsJpeg2(int64_t length)
{
    if (length < 6)
        return;
    const uint16_t id = m_reader->readU16();
    // The 4 bytes before the image's own start-of-image marker are dropped.
    m_reader->skip(4);
    if (m_reader->readInto(m_jpeg, length - 6))
        writeJpeg(id);
}

void TagWalk::writeJpeg(uint16_t id)
{
    FixJpegHead(m_jpeg);
    if (WriteResourceFile(m_base + QLatin1Char('.') + QString::number(id) + QStringLiteral(".jpg"), m_jpeg))
        ++m_counters[ResourceKind::Jpeg];
}

void TagWalk::jpegTables(int64_t length)
{
    if (length < 5)
        return;
    m_reader->skip(4);
    const QByteArray tables = m_reader->readBytes(length - 4);
    if (m_reader->ok())
        m_tables = tables;
}

void TagWalk::defineSound(int64_t length)
{
    if (length < 9)
        return;
    const uint16_t id = m_reader->readU16();
    const uint8_t flags = m_reader->readU8();
    m_reader->readU32();  // sample count
    if ((flags >> 4) != kMp3Format)
        return;
    // Seek samples (2 bytes) stay out of the file: the data starts at offset 9.
    m_reader->skip(2);
    const QByteArray data = m_reader->readBytes(length - 9);
    if (m_reader->ok() && WriteResourceFile(m_base + QLatin1Char('.') + QString::number(id) + QStringLiteral(".mp3"), data))
        ++m_counters[ResourceKind::Event];
}

void TagWalk::soundStreamHead(int64_t length)
{
    if (length < 4)
        return;
    m_reader->readU8();
    const uint8_t flags = m_reader->readU8();
    m_reader->readU16();  // average sample count
    if ((flags >> 4) != kMp3Format)
        return;
    std::unique_ptr<QFile>& stream = currentStream();
    closeStream(stream);
    const QString path = m_base + QStringLiteral(".stream") + (m_spriteNumber != 0 ? QString::number(m_spriteNumber) : QString())
        + QStringLiteral(".mp3");
    auto file = std::make_unique<QFile>(path);
    if (!OpenResourceFile(*file))
        return;
    stream = std::move(file);
    ++m_counters[ResourceKind::Stream];
}

void TagWalk::soundStreamBlock(int64_t length)
{
    std::unique_ptr<QFile>& stream = currentStream();
    if (length < 5 || !stream)
        return;
    // Sample count and seek samples (2 bytes each) precede the MP3 frames.
    m_reader->skip(4);
    if (m_reader->readInto(m_data, length - 4))
        stream->write(m_data);
}

void TagWalk::enterSprite(int64_t length)
{
    if (length < 2)
        return;
    m_spriteNumber = m_reader->readU16();
    if (length < 4)
        return;  // no frame count: nothing to walk inside
    m_inSprite = true;
    m_spriteEnd = std::min(m_pos + length, m_fileEnd);
    m_next = m_pos + 4;
}

void TagWalk::leaveSprite()
{
    m_spriteStream.reset();
    m_spriteNumber = 0;
    m_inSprite = false;
}

void TagWalk::reportProgress(const QString& caption, int64_t length)
{
    if (m_progress.report) {
        const double size = m_source.uncompressedSize > 0 ? m_source.uncompressedSize : double(m_fileEnd);
        m_progress.report(double(m_next) / size, caption);
    }
    const float now = m_progress.clock ? m_progress.clock() : TimeOfDay();
    if (std::fabs(now - m_lastPump) > kPumpInterval) {
        if (m_progress.pump)
            m_progress.pump();
        m_lastPump = now;
    }
}

}  // namespace

ExtractCounters ExtractCounters::Chosen(bool jpeg, bool png, bool event, bool stream, bool video)
{
    ExtractCounters counters;
    counters.value = {jpeg ? 0 : -1, png ? 0 : -1, event ? 0 : -1, stream ? 0 : -1, video ? 0 : -1};
    return counters;
}

void ExtractResources(const ExtractSource& source, const QString& destination, const ExtractProgress& progress,
    ExtractCounters& counters, const bool& cancel)
{
    try {
        TagWalk walk(source, destination, progress, counters);
        walk.run(cancel);
    } catch (const std::exception& e) {
        // Out of memory on a huge claimed tag length, or a failure of a progress callback.
        SetCurrentError(RuntimeError::OutOfMemory, QStringLiteral("ExtractResources"), QString::fromLocal8Bit(e.what()));
        LogErrorReport(QStringLiteral("ExtractResources"));
    }
}

ExtractSource ExtractSource::FromMediaInfo(const MediaFileInfo& info)
{
    ExtractSource source;
    source.workingPath = info.WorkingPath;
    source.uncompressedSize = info.UncompressedSize;
    source.firstTagPosition = info.FirstTagPosition;
    source.fileName = info.FileName;
    source.isVideo = info.IsVideo;
    return source;
}

void ExtractResources(const MediaFileInfo& info, const QString& destination, const ExtractProgress& progress,
    ExtractCounters& counters, const bool& cancel)
{
    ExtractResources(ExtractSource::FromMediaInfo(info), destination, progress, counters, cancel);
}

bool FixJpegHead(QByteArray& jpeg)
{
    if (jpeg.size() < kTableBytes + 2)
        return false;
    const auto* bytes = reinterpret_cast<const uint8_t*>(jpeg.constData());
    if (bytes[1] == 0xD8 || bytes[kTableBytes] != 0xFF || bytes[kTableBytes + 1] != 0xD8)
        return false;
    if (jpeg.size() < kFixedHeadBytes)
        jpeg.append(QByteArray(kFixedHeadBytes - jpeg.size(), '\0'));
    const QByteArray table = jpeg.left(kTableBytes);
    const QByteArray imageHead = jpeg.mid(kTableBytes, kImageHeadBytes);
    char* out = jpeg.data();
    std::memcpy(out + kImageHeadBytes + 1, table.constData(), kTableBytes);
    std::memcpy(out, imageHead.constData(), kImageHeadBytes);
    out[kImageHeadBytes] = static_cast<char>(0xDB);
    out[kFixedHeadBytes - 2] = static_cast<char>(0xDA);
    out[kFixedHeadBytes - 1] = 0;
    return true;
}

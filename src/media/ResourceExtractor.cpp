#include "media/ResourceExtractor.h"

#include "base/ByteReader.h"
#include "base/ErrorContext.h"
#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "base/RuntimeErrors.h"
#include "media/MediaFileInfo.h"
#include "media/ResourceFile.h"
#include "swf/SwfImages.h"
#include "swf/SwfTag.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTime>

#include <cmath>
#include <memory>

namespace {

using namespace SwfTagCode;

// The sound format that is written out: MP3.
constexpr int kMp3Format = 2;
// Seconds between two message pumps, at least.
constexpr float kPumpInterval = 0.1f;

// The time of day, read once from the wall clock and carried on by a steady timer: the walk
// asks after every handled tag, and the wall clock looks up the time zone each time.
float TimeOfDay()
{
    static const qint64 start = QTime::currentTime().msecsSinceStartOfDay();
    static const QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    constexpr qint64 kDayMs = 24 * 60 * 60 * 1000;
    return static_cast<float>((start + timer.elapsed()) % kDayMs) / 1000.0f;
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

    void Run(const bool& cancel);

private:
    // Handles the tag whose data starts at m_pos; returns its caption when it was handled.
    QString dispatch(uint16_t code, int64_t length, bool complete);
    void DefineBits(int64_t length);
    void DefineBitsImage(uint16_t code, int64_t length);
    void JpegTables(int64_t length);
    void DefineSound(int64_t length);
    void SoundStreamHead(int64_t length);
    void SoundStreamBlock(int64_t length);
    void EnterSprite(int64_t length);
    void LeaveSprite();
    // Writes data as the image of character id: a JPEG made whole, or a PNG or GIF file.
    void WriteImage(uint16_t id, const QByteArray& data, const QByteArray& tables);
    void ReportProgress(const QString& caption, int64_t length);

    bool Chosen(ResourceKind kind) const { return m_counters[kind] >= 0; }
    // The stream file of the timeline being walked.
    std::unique_ptr<ResourceFile>& CurrentStream() { return m_inSprite ? m_spriteStream : m_rootStream; }
    void CloseStream(std::unique_ptr<ResourceFile>& stream) { stream.reset(); }

    const ExtractSource& m_source;
    const QString m_base;  // destination folder + movie file name
    const ExtractProgress& m_progress;
    ExtractCounters& m_counters;

    ByteReader* m_reader = nullptr;
    int64_t m_fileEnd = 0;
    int64_t m_pos = 0;    // start of the current tag's data
    int64_t m_next = 0;   // where the next tag starts
    QByteArray m_tables;  // the data of the last JPEGTables tag
    // Tag data; kept between tags so its storage is reused.
    QByteArray m_data;
    uint16_t m_spriteNumber = 0;
    bool m_inSprite = false;
    int64_t m_spriteEnd = 0;
    std::unique_ptr<ResourceFile> m_rootStream;
    std::unique_ptr<ResourceFile> m_spriteStream;
    float m_lastPump = 0;
};

void TagWalk::Run(const bool& cancel)
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
            LeaveSprite();
        const int64_t limit = m_inSprite ? m_spriteEnd : m_fileEnd;
        if (reader.Pos() != m_pos)
            reader.Seek(m_pos);  // skipped data; a handled tag leaves the reader in place
        SwfTagHeader tag;
        if (!ReadSwfTagHeader(reader, limit, tag)) {
            if (!m_inSprite || !reader.Ok())
                break;
            m_pos = m_spriteEnd;  // a sprite cut short inside a tag header
            continue;
        }
        const uint16_t code = tag.code;
        const int64_t length = tag.length;
        m_pos += tag.headerSize;
        const bool complete = m_pos + length <= limit;
        m_next = m_pos + length;
        if (m_inSprite && !complete)
            m_next = m_spriteEnd;  // the sprite's damaged rest is left, the walk resumes after it
        const QString caption = dispatch(code, length, complete);
        if (!caption.isEmpty())
            ReportProgress(caption, length);
        if (!reader.Ok())
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
        CloseStream(CurrentStream());
        if (m_inSprite) {
            m_next = m_spriteEnd;  // whatever follows a sprite's End inside the sprite is not a tag
            LeaveSprite();
        }
        return QStringLiteral("End");
    case kDefineBits:
        if (!Chosen(ResourceKind::Jpeg))
            return QString();
        if (complete)
            DefineBits(length);
        return QStringLiteral("DefineBits");
    case kDefineBitsJpeg2:
    case kDefineBitsJpeg3:
    case kDefineBitsJpeg4:
        // JPEG, PNG or GIF: which kind the image is shows only in its data.
        if (!Chosen(ResourceKind::Jpeg) && !Chosen(ResourceKind::Png))
            return QString();
        if (complete)
            DefineBitsImage(code, length);
        return code == kDefineBitsJpeg2 ? QStringLiteral("DefineBitsJPEG2")
            : code == kDefineBitsJpeg3  ? QStringLiteral("DefineBitsJPEG3")
                                        : QStringLiteral("DefineBitsJPEG4");
    case kJpegTables:
        if (complete)
            JpegTables(length);
        return QStringLiteral("JPEGTables");
    case kDefineSound:
        if (!Chosen(ResourceKind::Event))
            return QString();
        if (complete)
            DefineSound(length);
        return QStringLiteral("DefineSound");
    case kSoundStreamHead:
    case kSoundStreamHead2:
        if (!Chosen(ResourceKind::Stream))
            return QString();
        if (complete)
            SoundStreamHead(length);
        return code == kSoundStreamHead ? QStringLiteral("SoundStreamHead") : QStringLiteral("SoundStreamHead2");
    case kSoundStreamBlock:
        if (!Chosen(ResourceKind::Stream))
            return QString();
        if (complete)
            SoundStreamBlock(length);
        return QStringLiteral("SoundStreamBlock");
    case kDefineSprite:
        if (m_inSprite)
            return QString();  // sprites do not nest: skipped whole
        EnterSprite(length);
        return QStringLiteral("DefineSprite");
    default:
        return QString();
    }
}

void TagWalk::DefineBits(int64_t length)
{
    if (length < 2)
        return;
    const uint16_t id = m_reader->ReadU16();
    if (m_reader->ReadInto(m_data, length - 2))
        WriteImage(id, m_data, m_tables);
}

void TagWalk::DefineBitsImage(uint16_t code, int64_t length)
{
    // Character ID; DefineBitsJPEG3 and 4 then give the image's length (the alpha data
    // follows it), and 4 a deblocking filter value.
    const int64_t head = code == kDefineBitsJpeg2 ? 2 : code == kDefineBitsJpeg3 ? 6 : 8;
    if (length <= head)
        return;
    const uint16_t id = m_reader->ReadU16();
    int64_t imageLength = length - head;
    if (code != kDefineBitsJpeg2)
        imageLength = std::min<int64_t>(m_reader->ReadU32(), imageLength);
    if (code == kDefineBitsJpeg4)
        m_reader->ReadU16();
    if (m_reader->ReadInto(m_data, imageLength))
        WriteImage(id, m_data, QByteArray());
}

void TagWalk::WriteImage(uint16_t id, const QByteArray& data, const QByteArray& tables)
{
    const SwfImageFormat format = ImageFormatOf(data);
    const ResourceKind kind = format == SwfImageFormat::Jpeg ? ResourceKind::Jpeg : ResourceKind::Png;
    if (!Chosen(kind))
        return;
    // JPEG data that holds no image a decoder could find is not written.
    const QByteArray file = format == SwfImageFormat::Jpeg ? JoinJpeg(tables, data) : data;
    if (file.isEmpty())
        return;
    const QString path = m_base + QLatin1Char('.') + QString::number(id) + QLatin1String(ImageExtension(format));
    if (WriteResourceFile(path, file))
        ++m_counters[kind];
}

void TagWalk::JpegTables(int64_t length)
{
    if (length < 5)
        return;
    const QByteArray tables = m_reader->ReadBytes(length);
    if (m_reader->Ok())
        m_tables = tables;
}

void TagWalk::DefineSound(int64_t length)
{
    if (length < 9)
        return;
    const uint16_t id = m_reader->ReadU16();
    const uint8_t flags = m_reader->ReadU8();
    m_reader->ReadU32();  // sample count
    if ((flags >> 4) != kMp3Format)
        return;
    // Seek samples (2 bytes) stay out of the file: the data starts at offset 9.
    m_reader->Skip(2);
    const QByteArray data = m_reader->ReadBytes(length - 9);
    if (m_reader->Ok() && WriteResourceFile(m_base + QLatin1Char('.') + QString::number(id) + QStringLiteral(".mp3"), data))
        ++m_counters[ResourceKind::Event];
}

void TagWalk::SoundStreamHead(int64_t length)
{
    if (length < 4)
        return;
    m_reader->ReadU8();
    const uint8_t flags = m_reader->ReadU8();
    m_reader->ReadU16();  // average sample count
    if ((flags >> 4) != kMp3Format)
        return;
    std::unique_ptr<ResourceFile>& stream = CurrentStream();
    CloseStream(stream);
    const QString path = m_base + QStringLiteral(".stream") + (m_spriteNumber != 0 ? QString::number(m_spriteNumber) : QString())
        + QStringLiteral(".mp3");
    auto file = std::make_unique<ResourceFile>(path);
    if (!file->Open())
        return;
    stream = std::move(file);
    ++m_counters[ResourceKind::Stream];
}

void TagWalk::SoundStreamBlock(int64_t length)
{
    std::unique_ptr<ResourceFile>& stream = CurrentStream();
    if (length < 5 || !stream)
        return;
    // Sample count and seek samples (2 bytes each) precede the MP3 frames.
    m_reader->Skip(4);
    if (m_reader->ReadInto(m_data, length - 4))
        stream->Write(m_data);
}

void TagWalk::EnterSprite(int64_t length)
{
    if (length < 2)
        return;
    m_spriteNumber = m_reader->ReadU16();
    if (length < 4)
        return;  // no frame count: nothing to walk inside
    m_inSprite = true;
    m_spriteEnd = std::min(m_pos + length, m_fileEnd);
    m_next = m_pos + 4;
}

void TagWalk::LeaveSprite()
{
    m_spriteStream.reset();
    m_spriteNumber = 0;
    m_inSprite = false;
}

void TagWalk::ReportProgress(const QString& caption, int64_t length)
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
        walk.Run(cancel);
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

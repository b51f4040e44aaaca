#include "swf/SwfImages.h"

#include <QList>

namespace {

constexpr uint8_t kMarker = 0xFF;
constexpr uint8_t kStartOfImage = 0xD8;
constexpr uint8_t kEndOfImage = 0xD9;
constexpr uint8_t kStartOfScan = 0xDA;
constexpr uint8_t kTem = 0x01;

uint8_t At(const QByteArray& data, qsizetype index)
{
    return static_cast<uint8_t>(data[index]);
}

// The marker segments before the first scan, and the scan with all that follows it.
struct JpegParts {
    QList<QByteArray> segments;  // whole segments: marker, length and payload
    QByteArray scan;
    bool readable = false;
};

JpegParts SplitJpeg(const QByteArray& data)
{
    JpegParts parts;
    qsizetype at = 0;
    while (at + 1 < data.size()) {
        if (At(data, at) != kMarker)
            return parts;
        const uint8_t marker = At(data, at + 1);
        if (marker == kMarker) {
            ++at;  // a fill byte
            continue;
        }
        // Start and end of image mark the streams' edges (and the erroneous header).
        const bool standalone
            = marker == kStartOfImage || marker == kEndOfImage || marker == kTem || (marker >= 0xD0 && marker <= 0xD7);
        if (standalone) {
            at += 2;
            continue;
        }
        if (marker == kStartOfScan) {
            parts.scan = data.mid(at);
            parts.readable = true;
            return parts;
        }
        if (at + 4 > data.size())
            return parts;
        const qsizetype length = (At(data, at + 2) << 8) | At(data, at + 3);
        if (length < 2 || at + 2 + length > data.size())
            return parts;
        parts.segments.append(data.mid(at, 2 + length));
        at += 2 + length;
    }
    parts.readable = at >= data.size();
    return parts;
}

bool IsApplicationSegment(const QByteArray& segment)
{
    const uint8_t marker = At(segment, 1);
    return (marker >= 0xE0 && marker <= 0xEF) || marker == 0xFE;
}

}  // namespace

SwfImageFormat ImageFormatOf(const QByteArray& data)
{
    if (data.startsWith("\x89PNG\r\n\x1A\n"))
        return SwfImageFormat::Png;
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a"))
        return SwfImageFormat::Gif;
    return SwfImageFormat::Jpeg;
}

const char* ImageExtension(SwfImageFormat format)
{
    switch (format) {
    case SwfImageFormat::Png:
        return ".png";
    case SwfImageFormat::Gif:
        return ".gif";
    case SwfImageFormat::Jpeg:
        break;
    }
    return ".jpg";
}

QByteArray JoinJpeg(const QByteArray& tables, const QByteArray& image)
{
    const JpegParts picture = SplitJpeg(image);
    if (!picture.readable || picture.scan.isEmpty())
        return QByteArray();
    JpegParts tableParts = SplitJpeg(tables);
    if (!tableParts.readable || !tableParts.scan.isEmpty())
        tableParts.segments.clear();

    QByteArray out;
    out.reserve(tables.size() + image.size() + 2);
    out.append(static_cast<char>(kMarker)).append(static_cast<char>(kStartOfImage));
    for (const QByteArray& segment : picture.segments) {
        if (IsApplicationSegment(segment))
            out.append(segment);
    }
    for (const QByteArray& segment : tableParts.segments) {
        if (!IsApplicationSegment(segment))
            out.append(segment);
    }
    for (const QByteArray& segment : picture.segments) {
        if (!IsApplicationSegment(segment))
            out.append(segment);
    }
    out.append(picture.scan);
    return out;
}

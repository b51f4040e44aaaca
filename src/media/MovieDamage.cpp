#include "media/MovieDamage.h"

#include "base/ByteReader.h"
#include "media/MediaFileInfo.h"
#include "swf/SwfBodyExpander.h"
#include "swf/SwfHeader.h"
#include "swf/SwfTagScanner.h"

#include <QFile>

#include <algorithm>

namespace {

constexpr int64_t kReadPiece = 16 * 1024;
constexpr int kVideoTagHeader = 11;
constexpr int kPreviousTagSize = 4;

SwfFileHeader ReadHeader(QFile& file)
{
    ByteReader reader(&file);
    SwfFileHeader header;
    ReadSwfFileHeader(reader, header);
    return header;
}

// Feeds a plain body from the file's position, passing over tag data by seeking.
void ScanPlainBody(QFile& file, SwfTagScanner& scanner)
{
    const int64_t size = file.size();
    while (!scanner.EndTagSeen()) {
        const int64_t skip = std::min<int64_t>(scanner.Skippable(), size - file.pos());
        if (skip > 0) {
            scanner.Skip(skip);
            file.seek(file.pos() + skip);
            continue;
        }
        const QByteArray piece = file.read(kReadPiece);
        if (piece.isEmpty())
            break;
        scanner.Feed(piece.constData(), piece.size());
    }
}

MovieDamage Judge(const SwfTagScanner& scanner, int64_t statedLength, int64_t dataLength, bool streamDamaged)
{
    MovieDamage damage;
    damage.statedLength = statedLength;
    damage.dataLength = dataLength;
    if (streamDamaged)
        damage.kind = MovieDamageKind::StreamDamaged;
    else if (!scanner.HeaderComplete())
        damage.kind = MovieDamageKind::HeaderCut;
    else if (statedLength > dataLength)
        damage.kind = MovieDamageKind::CutShort;
    else if (scanner.EndsInsideTag())
        damage.kind = MovieDamageKind::TagPastEnd;
    else
        damage.kind = MovieDamageKind::Whole;
    if (damage.kind == MovieDamageKind::TagPastEnd && scanner.CutTagKnown())
        damage.tagCode = scanner.CutTagCode();
    return damage;
}

MovieDamage CheckMovie(QFile& file, const SwfFileHeader& header)
{
    SwfTagScanner scanner;
    if (header.compression == SwfCompression::None) {
        ScanPlainBody(file, scanner);
        return Judge(scanner, header.length, file.size(), false);
    }
    ByteReader reader(&file);
    SwfLzmaHeader lzma;
    if (header.compression == SwfCompression::Lzma && !ReadSwfLzmaHeader(reader, lzma))
        return Judge(scanner, header.length, file.size(), true);
    // Expanded as far as the header's length, as the cache expands it.
    const int64_t capacity = std::max<int64_t>(static_cast<int64_t>(header.length) - kSwfFileHeaderSize, 0);
    const ExpansionResult result = ExpandSwfBody(
        header.compression, lzma.properties, InputFromDevice(file),
        [&scanner](const char* data, int64_t size) { scanner.Feed(data, size); }, capacity);
    const bool damaged = result.end == ExpansionEnd::Damaged || result.end == ExpansionEnd::OutOfMemory;
    return Judge(scanner, header.length, kSwfFileHeaderSize + result.produced, damaged);
}

uint32_t ReadBigEndian(ByteReader& reader, int bytes)
{
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | reader.ReadU8();
    return value;
}

// A Flash Video: header, then tags of an 11-byte header and data, each followed by the size of
// the tag before (the last one may be left out).
MovieDamage CheckVideo(QFile& file)
{
    MovieDamage damage;
    damage.dataLength = file.size();
    ByteReader reader(&file);
    reader.Seek(5);
    const uint32_t headerSize = ReadBigEndian(reader, 4);
    if (!reader.Ok() || !reader.Seek(headerSize)) {
        damage.kind = MovieDamageKind::HeaderCut;
        return damage;
    }
    damage.kind = MovieDamageKind::Whole;
    while (!reader.AtEnd()) {
        if (reader.Remaining() < kPreviousTagSize + kVideoTagHeader) {
            if (reader.Remaining() != kPreviousTagSize)
                damage.kind = MovieDamageKind::TagPastEnd;
            break;
        }
        reader.Skip(kPreviousTagSize);
        const uint8_t type = reader.ReadU8();
        const uint32_t dataSize = ReadBigEndian(reader, 3);
        reader.Skip(kVideoTagHeader - 4);
        if (!reader.Skip(dataSize)) {
            damage.kind = MovieDamageKind::TagPastEnd;
            damage.tagCode = type;
            break;
        }
    }
    return damage;
}

}  // namespace

const MovieDamage& CheckMovieDamage(MediaFileInfo& info)
{
    info.Damage = MovieDamage();
    // A video's working path is the wrapper's address; a fully expanded movie's is the copy in
    // the cache, whose zeros stand for what the compressed source lacks.
    QString path = info.IsVideo ? info.SourcePath : info.WorkingPath;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return info.Damage;
    if (info.IsVideo) {
        info.Damage = CheckVideo(file);
        return info.Damage;
    }
    SwfFileHeader header = ReadHeader(file);
    if (header.compression == SwfCompression::None && info.Compressed && info.SourcePath != info.WorkingPath) {
        file.close();
        file.setFileName(info.SourcePath);
        if (!file.open(QIODevice::ReadOnly))
            return info.Damage;
        header = ReadHeader(file);
    }
    if (header.compression == SwfCompression::Unknown)
        return info.Damage;
    info.Damage = CheckMovie(file, header);
    return info.Damage;
}

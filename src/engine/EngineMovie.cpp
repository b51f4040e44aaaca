#include "engine/EngineMovie.h"

#include "base/ByteReader.h"
#include "engine/Avm2Host.h"
#include "engine/EngineMovies.h"
#include "swf/Avm1Assembler.h"
#include "swf/SwfBodyExpander.h"
#include "swf/SwfHeader.h"
#include "swf/SwfTag.h"
#include "swf/SwfWriter.h"

#include <zlib.h>

#include <algorithm>

namespace {

// The most a compressed movie may expand to (its header claims the length, but may lie).
constexpr qsizetype kMaxExpanded = qsizetype(512) * 1024 * 1024;

}  // namespace

QByteArray InflateLenient(const QByteArray& data, qsizetype limit)
{
    QByteArray out;
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return out;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = static_cast<uInt>(data.size());
    QByteArray chunk(256 * 1024, Qt::Uninitialized);
    int status = Z_OK;
    while (status == Z_OK && out.size() < limit) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
        stream.avail_out = static_cast<uInt>(chunk.size());
        status = inflate(&stream, Z_NO_FLUSH);
        out.append(chunk.constData(), chunk.size() - stream.avail_out);
        if (status == Z_BUF_ERROR || (status == Z_OK && stream.avail_in == 0 && stream.avail_out != 0))
            break;  // the data ended before the stream did
    }
    inflateEnd(&stream);
    if (out.size() > limit)
        out.truncate(limit);
    return out;
}

QByteArray HostLoaderTag(int version, const QByteArray& hostUrl)
{
    const QByteArray target = "_level" + QByteArray::number(kHostLevel);
    Avm1Assembler a;
    if (version < 4) {
        // SWF 3 has neither Push nor If: load the host on every pass of frame 1.
        a.GetUrl(hostUrl, target);
        return a.DoActionTag();
    }
    // SWF 4 actions only: strings, variables and If.
    a.GetVariable("vorlenHostLoaded").IfTrue("loaded");
    a.PushString("vorlenHostLoaded").PushString("1").Op(Avm1Op::SetVariable);
    a.GetUrl(hostUrl, target);
    a.Label("loaded");
    return a.DoActionTag();
}

EngineMovie PrepareEngineMovie(const QByteArray& movie, const QByteArray& hostUrl, const QByteArray& frameHostAbc)
{
    EngineMovie result;
    ByteReader file(movie);
    SwfFileHeader header;
    if (!ReadSwfFileHeader(file, header)) {
        result.error = QStringLiteral("not a Flash movie (file too short)");
        return result;
    }
    if (header.compression == SwfCompression::Unknown) {
        result.error = QStringLiteral("not a Flash movie (no FWS, CWS or ZWS signature)");
        return result;
    }
    result.version = header.version;
    result.compressed = header.compression != SwfCompression::None;

    QByteArray body;
    if (header.compression == SwfCompression::Lzma) {
        // Never shown: a movie whose length field leaves no room for the frame rectangle, rate
        // and count (5 bytes at the least), nor one without the LZMA properties. Those are
        // refused here rather than left to time out.
        SwfLzmaHeader lzma;
        if (!ReadSwfLzmaHeader(file, lzma) || header.length < kSwfFileHeaderSize + 5) {
            result.error = QStringLiteral("the compressed movie's header is damaged");
            return result;
        }
        const int64_t limit = std::min<int64_t>(header.length - kSwfFileHeaderSize, kMaxExpanded);
        body = ExpandSwfBodyToBytes(SwfCompression::Lzma, lzma.properties, movie.mid(kLzmaDataOffset), limit);
        if (body.isEmpty()) {
            // Nothing to look into: the engine expands the movie itself and shows what it can.
            result.actionScript3 = true;
            result.bytes = movie;
            return result;
        }
    } else if (header.compression == SwfCompression::Zlib) {
        body = InflateLenient(movie.mid(kSwfFileHeaderSize), kMaxExpanded);
        if (body.isEmpty()) {
            result.error = QStringLiteral("the compressed movie data cannot be expanded");
            return result;
        }
    } else {
        body = movie.mid(kSwfFileHeaderSize);
    }

    ByteReader reader(body);
    SwfMovieHeader fields;
    if (!ReadSwfMovieHeader(reader, fields)) {
        result.error = QStringLiteral("the movie header is incomplete");
        return result;
    }
    const SwfRect& frame = fields.frame;
    result.width = (frame.Signed(frame.xMax) - frame.Signed(frame.xMin)) / 20;
    result.height = (frame.Signed(frame.yMax) - frame.Signed(frame.yMin)) / 20;
    result.frameRate = fields.FrameRateValue();
    result.frameCount = fields.frameCount;

    // Walk the root tags up to the first ShowFrame (or the End tag, or the end of the data).
    const qsizetype firstTag = reader.Pos();
    qsizetype insertAt = -1;
    SwfTagHeader tag;
    while (!reader.AtEnd()) {
        const int64_t tagStart = reader.Pos();
        if (!ReadSwfTagHeader(reader, body.size(), tag))
            break;
        if (tag.code == SwfTagCode::kFileAttributes && tag.length >= 1 && reader.Pos() < body.size()) {
            const uint8_t flags = static_cast<uint8_t>(body.at(reader.Pos()));
            result.actionScript3 = (flags & kFileAttributesActionScript3) != 0;
        }
        if (tag.code == SwfTagCode::kShowFrame || tag.code == SwfTagCode::kEnd) {
            insertAt = tagStart;
            break;
        }
        if (!reader.Skip(tag.length))
            break;
    }
    QByteArray loader;
    if (result.actionScript3) {
        const FrameHostSlot slot = frameHostAbc.isEmpty() ? FrameHostSlot() : FreeFrameHostSlot(body, firstTag);
        if (!slot.ok) {
            result.bytes = movie;
            return result;
        }
        loader = FrameHostTags(frameHostAbc, slot);
    } else {
        loader = HostLoaderTag(result.version, hostUrl);
    }
    if (insertAt < 0)
        insertAt = body.size();

    QByteArray out("FWS");
    AppendU8(out, static_cast<uint8_t>(result.version));
    AppendU32(out, static_cast<uint32_t>(8 + body.size() + loader.size()));
    out.append(body.constData(), insertAt);
    out.append(loader);
    out.append(body.constData() + insertAt, body.size() - insertAt);
    result.bytes = out;
    result.hostInserted = true;
    return result;
}

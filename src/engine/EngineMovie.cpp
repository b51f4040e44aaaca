#include "engine/EngineMovie.h"

#include "base/ByteReader.h"
#include "engine/Avm2Host.h"
#include "engine/EngineMovies.h"
#include "swf/Avm1Assembler.h"
#include "swf/SwfWriter.h"

#include <zlib.h>

namespace {

// The most a compressed movie may expand to (its header claims the length, but may lie).
constexpr qsizetype kMaxExpanded = qsizetype(512) * 1024 * 1024;

constexpr uint16_t kTagEnd = 0;
constexpr uint16_t kTagShowFrame = 1;
constexpr uint16_t kTagFileAttributes = 69;

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
        a.getUrl(hostUrl, target);
        return a.doActionTag();
    }
    // SWF 4 actions only: strings, variables and If.
    a.getVariable("vorlenHostLoaded").ifTrue("loaded");
    a.pushString("vorlenHostLoaded").pushString("1").op(Avm1Op::SetVariable);
    a.getUrl(hostUrl, target);
    a.label("loaded");
    return a.doActionTag();
}

EngineMovie PrepareEngineMovie(const QByteArray& movie, const QByteArray& hostUrl, const QByteArray& frameHostAbc)
{
    EngineMovie result;
    if (movie.size() < 8) {
        result.error = QStringLiteral("not a Flash movie (file too short)");
        return result;
    }
    const QByteArray signature = movie.left(3);
    if (signature != "FWS" && signature != "CWS" && signature != "ZWS") {
        result.error = QStringLiteral("not a Flash movie (no FWS, CWS or ZWS signature)");
        return result;
    }
    result.version = static_cast<uint8_t>(movie.at(3));
    result.compressed = signature != "FWS";
    if (signature == "ZWS") {
        // The engine expands LZMA itself, but never shows a movie whose length field leaves
        // no room for the frame rectangle, rate and count (5 bytes at the least), nor one
        // without the LZMA properties: those are refused here rather than left to time out.
        const uint32_t length = static_cast<uint8_t>(movie.at(4)) | static_cast<uint8_t>(movie.at(5)) << 8
            | static_cast<uint8_t>(movie.at(6)) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(movie.at(7))) << 24;
        if (movie.size() < 17 || length < 8 + 5) {
            result.error = QStringLiteral("the compressed movie's header is damaged");
            return result;
        }
        result.actionScript3 = true;
        result.bytes = movie;
        return result;
    }

    QByteArray body;
    if (signature == "CWS") {
        body = InflateLenient(movie.mid(8), kMaxExpanded);
        if (body.isEmpty()) {
            result.error = QStringLiteral("the compressed movie data cannot be expanded");
            return result;
        }
    } else {
        body = movie.mid(8);
    }

    ByteReader reader(body);
    const int bits = static_cast<int>(reader.readUBits(5));
    const int32_t xMin = reader.readSBits(bits);
    const int32_t xMax = reader.readSBits(bits);
    const int32_t yMin = reader.readSBits(bits);
    const int32_t yMax = reader.readSBits(bits);
    reader.alignBits();
    result.width = (xMax - xMin) / 20;
    result.height = (yMax - yMin) / 20;
    result.frameRate = reader.readU16() / 256.0;
    result.frameCount = reader.readU16();
    if (!reader.ok()) {
        result.error = QStringLiteral("the movie header is incomplete");
        return result;
    }

    // Walk the root tags up to the first ShowFrame (or the End tag, or the end of the data).
    const qsizetype firstTag = reader.pos();
    qsizetype insertAt = -1;
    while (!reader.atEnd()) {
        const int64_t tagStart = reader.pos();
        const uint16_t head = reader.readU16();
        const uint16_t code = head >> 6;
        uint32_t length = head & 0x3F;
        if (length == 0x3F)
            length = reader.readU32();
        if (!reader.ok())
            break;
        if (code == kTagFileAttributes && length >= 1 && reader.pos() < body.size()) {
            const uint8_t flags = static_cast<uint8_t>(body.at(reader.pos()));
            result.actionScript3 = (flags & 0x08) != 0;
        }
        if (code == kTagShowFrame || code == kTagEnd) {
            insertAt = tagStart;
            break;
        }
        if (!reader.skip(length))
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

#include "engine/Avm2Host.h"

#include "base/ByteReader.h"
#include "swf/SwfBodyExpander.h"
#include "swf/SwfHeader.h"
#include "swf/SwfTag.h"
#include "swf/SwfWriter.h"

#include <vector>

namespace {

// The host movie is a few kilobytes; anything near this is not it.
constexpr int64_t kMaxHostSize = 16 * 1024 * 1024;

constexpr uint16_t kTagPlaceObject = 4;
constexpr uint16_t kTagPlaceObject2 = 26;
constexpr uint16_t kTagPlaceObject3 = 70;
constexpr uint16_t kTagDoAbc = 72;
constexpr uint16_t kTagSymbolClass = 76;
constexpr uint16_t kTagDoAbc2 = 82;

// Tags whose body starts with the id of the character they define.
bool DefinesCharacter(uint16_t code)
{
    switch (code) {
    case 2:   // DefineShape
    case 6:   // DefineBits
    case 7:   // DefineButton
    case 10:  // DefineFont
    case 11:  // DefineText
    case 14:  // DefineSound
    case 20:  // DefineBitsLossless
    case 21:  // DefineBitsJPEG2
    case 22:  // DefineShape2
    case 32:  // DefineShape3
    case 33:  // DefineText2
    case 34:  // DefineButton2
    case 35:  // DefineBitsJPEG3
    case 36:  // DefineBitsLossless2
    case 37:  // DefineEditText
    case 39:  // DefineSprite
    case 46:  // DefineMorphShape
    case 48:  // DefineFont2
    case 60:  // DefineVideoStream
    case 75:  // DefineFont3
    case 83:  // DefineShape4
    case 84:  // DefineMorphShape2
    case 87:  // DefineBinaryData
    case 90:  // DefineBitsJPEG4
    case 91:  // DefineFont4
        return true;
    default:
        return false;
    }
}

// The highest value not marked, or -1.
int HighestFree(const std::vector<bool>& used)
{
    for (int value = static_cast<int>(used.size()) - 1; value > 0; --value) {
        if (!used[static_cast<size_t>(value)])
            return value;
    }
    return -1;
}

}  // namespace

QByteArray FrameHostAbcTag(const QByteArray& hostMovie)
{
    ByteReader file(hostMovie);
    SwfFileHeader header;
    if (!ReadSwfFileHeader(file, header)
        || (header.compression != SwfCompression::None && header.compression != SwfCompression::Zlib))
        return QByteArray();
    const QByteArray body = header.compression == SwfCompression::Zlib
        ? ExpandSwfBodyToBytes(header.compression, QByteArray(), hostMovie.mid(kSwfFileHeaderSize), kMaxHostSize)
        : hostMovie.mid(kSwfFileHeaderSize);
    ByteReader reader(body);
    SwfMovieHeader fields;
    if (!ReadSwfMovieHeader(reader, fields))
        return QByteArray();
    SwfTagHeader tag;
    while (ReadSwfTagHeader(reader, body.size(), tag) && tag.code != SwfTagCode::kEnd) {
        if (tag.code == kTagDoAbc2 || tag.code == kTagDoAbc)
            return EncodeTag(tag.code, reader.ReadBytes(tag.length), true);
        if (!reader.Skip(tag.length))
            break;
    }
    return QByteArray();
}

FrameHostSlot FreeFrameHostSlot(const QByteArray& body, qsizetype firstTag)
{
    std::vector<bool> ids(65536, false);
    std::vector<bool> depths(65536, false);
    ByteReader reader(body);
    reader.Seek(firstTag);
    SwfTagHeader tag;
    while (ReadSwfTagHeader(reader, body.size(), tag) && tag.code != SwfTagCode::kEnd) {
        const int64_t start = reader.Pos();
        // The 16-bit field at offset within the tag's data, or -1 past its end.
        auto u16At = [&body, start, &tag](int64_t offset) -> int {
            if (offset + 2 > tag.length || start + offset + 2 > body.size())
                return -1;
            return static_cast<uint8_t>(body.at(start + offset)) | static_cast<uint8_t>(body.at(start + offset + 1)) << 8;
        };
        int id = -1;
        int depth = -1;
        if (DefinesCharacter(tag.code))
            id = u16At(0);
        else if (tag.code == kTagPlaceObject)
            depth = u16At(2);
        else if (tag.code == kTagPlaceObject2)
            depth = u16At(1);
        else if (tag.code == kTagPlaceObject3)
            depth = u16At(2);
        if (id >= 0)
            ids[static_cast<size_t>(id)] = true;
        if (depth >= 0)
            depths[static_cast<size_t>(depth)] = true;
        if (!reader.Skip(tag.length))
            break;
    }
    FrameHostSlot slot;
    const int id = HighestFree(ids);
    const int depth = HighestFree(depths);
    if (id < 0 || depth < 0)
        return slot;
    slot.characterId = static_cast<uint16_t>(id);
    slot.depth = static_cast<uint16_t>(depth);
    slot.ok = true;
    return slot;
}

QByteArray FrameHostTags(const QByteArray& abcTag, const FrameHostSlot& slot)
{
    QByteArray sprite;
    AppendU16(sprite, slot.characterId);
    AppendU16(sprite, 1);  // one frame
    sprite.append(EncodeTag(SwfTagCode::kShowFrame, QByteArray()));
    sprite.append(EncodeTag(SwfTagCode::kEnd, QByteArray()));

    QByteArray symbols;
    AppendU16(symbols, 1);
    AppendU16(symbols, slot.characterId);
    AppendString(symbols, kFrameHostClass);

    QByteArray place;
    AppendU8(place, 0x02);  // has a character
    AppendU16(place, slot.depth);
    AppendU16(place, slot.characterId);

    QByteArray tags = abcTag;
    tags.append(EncodeTag(SwfTagCode::kDefineSprite, sprite));
    tags.append(EncodeTag(kTagSymbolClass, symbols));
    tags.append(EncodeTag(kTagPlaceObject2, place));
    return tags;
}

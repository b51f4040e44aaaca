#include "swf/SwfTag.h"

#include "base/ByteReader.h"

namespace {
constexpr uint16_t kLongLength = 0x3F;
}

bool ReadSwfTagHeader(ByteReader& reader, int64_t end, SwfTagHeader& tag)
{
    tag = SwfTagHeader();
    const int64_t start = reader.Pos();
    if (start + 2 > end)
        return false;
    const uint16_t head = reader.ReadU16();
    tag.code = head >> 6;
    tag.length = head & kLongLength;
    tag.headerSize = 2;
    if (tag.length == kLongLength) {
        if (start + 6 > end) {
            reader.Seek(start);
            return false;
        }
        tag.length = reader.ReadU32();
        tag.headerSize = 6;
    }
    return reader.Ok();
}

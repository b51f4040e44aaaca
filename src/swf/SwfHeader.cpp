#include "swf/SwfHeader.h"

#include "base/ByteReader.h"

bool ReadSwfFileHeader(ByteReader& reader, SwfFileHeader& header)
{
    header = SwfFileHeader();
    header.signature = reader.readBytes(3);
    header.version = reader.readU8();
    header.length = reader.readU32();
    if (!reader.ok())
        return false;
    if (header.signature == "FWS")
        header.compression = SwfCompression::None;
    else if (header.signature == "CWS")
        header.compression = SwfCompression::Zlib;
    else if (header.signature == "ZWS")
        header.compression = SwfCompression::Lzma;
    return true;
}

bool ReadSwfLzmaHeader(ByteReader& reader, SwfLzmaHeader& header)
{
    header.compressedLength = reader.readU32();
    header.properties = reader.readBytes(kLzmaPropertiesSize);
    return reader.ok();
}

int32_t SwfRect::Signed(uint32_t field) const
{
    if (bits <= 0 || bits >= 32)
        return static_cast<int32_t>(field);
    const uint32_t sign = 1u << (bits - 1);
    return static_cast<int32_t>((field ^ sign) - sign);
}

SwfRect ReadSwfRect(ByteReader& reader)
{
    SwfRect rect;
    rect.bits = static_cast<int>(reader.readUBits(5));
    rect.xMin = reader.readUBits(rect.bits);
    rect.xMax = reader.readUBits(rect.bits);
    rect.yMin = reader.readUBits(rect.bits);
    rect.yMax = reader.readUBits(rect.bits);
    reader.alignBits();
    return rect;
}

bool ReadSwfMovieHeader(ByteReader& reader, SwfMovieHeader& header)
{
    header = SwfMovieHeader();
    header.frame = ReadSwfRect(reader);
    header.frameRate = reader.readU16();
    header.frameCount = reader.readU16();
    header.firstTagOffset = reader.pos();
    return reader.ok();
}

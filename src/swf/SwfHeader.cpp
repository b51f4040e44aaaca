#include "swf/SwfHeader.h"

#include "base/ByteReader.h"

bool ReadSwfFileHeader(ByteReader& reader, SwfFileHeader& header)
{
    header = SwfFileHeader();
    header.signature = reader.ReadBytes(3);
    header.version = reader.ReadU8();
    header.length = reader.ReadU32();
    if (!reader.Ok())
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
    header.compressedLength = reader.ReadU32();
    header.properties = reader.ReadBytes(kLzmaPropertiesSize);
    return reader.Ok();
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
    rect.bits = static_cast<int>(reader.ReadUBits(5));
    rect.xMin = reader.ReadUBits(rect.bits);
    rect.xMax = reader.ReadUBits(rect.bits);
    rect.yMin = reader.ReadUBits(rect.bits);
    rect.yMax = reader.ReadUBits(rect.bits);
    reader.AlignBits();
    return rect;
}

bool ReadSwfMovieHeader(ByteReader& reader, SwfMovieHeader& header)
{
    header = SwfMovieHeader();
    header.frame = ReadSwfRect(reader);
    header.frameRate = reader.ReadU16();
    header.frameCount = reader.ReadU16();
    header.firstTagOffset = reader.Pos();
    return reader.Ok();
}

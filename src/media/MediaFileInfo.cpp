#include "media/MediaFileInfo.h"

#include "base/ByteReader.h"
#include "base/Rounding.h"

void ResetMediaInfo(MediaFileInfo& info)
{
    info = MediaFileInfo();
}

QString ColorToHex(uint8_t red, uint8_t green, uint8_t blue)
{
    const uint32_t rgb = (static_cast<uint32_t>(red) << 16) | (static_cast<uint32_t>(green) << 8) | blue;
    return QStringLiteral("%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}

FrameRect ReadRect(ByteReader& reader, MediaFileInfo& info)
{
    FrameRect rect;
    const int bits = static_cast<int>(reader.readUBits(5));
    // Fields are kept as 16-bit values, as the header record stores them.
    rect.xMin = static_cast<uint16_t>(reader.readUBits(bits));
    rect.xMax = static_cast<uint16_t>(reader.readUBits(bits));
    rect.yMin = static_cast<uint16_t>(reader.readUBits(bits));
    rect.yMax = static_cast<uint16_t>(reader.readUBits(bits));
    reader.alignBits();
    info.Width = static_cast<int32_t>(RoundHalfEven(rect.xMax / 20.0));
    info.Height = static_cast<int32_t>(RoundHalfEven(rect.yMax / 20.0));
    return rect;
}

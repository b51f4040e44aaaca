#include "media/MediaFileInfo.h"

#include "base/ByteReader.h"
#include "base/Rounding.h"
#include "swf/SwfHeader.h"

void ResetMediaInfo(MediaFileInfo& info)
{
    info = MediaFileInfo();
}

QString ColorToHex(uint8_t red, uint8_t green, uint8_t blue)
{
    const uint32_t rgb = (static_cast<uint32_t>(red) << 16) | (static_cast<uint32_t>(green) << 8) | blue;
    return QStringLiteral("%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}

FrameRect StoreFrameRect(const SwfRect& rect, MediaFileInfo& info)
{
    // Fields are kept as 16-bit values, as the header record stores them.
    FrameRect kept;
    kept.xMin = static_cast<uint16_t>(rect.xMin);
    kept.xMax = static_cast<uint16_t>(rect.xMax);
    kept.yMin = static_cast<uint16_t>(rect.yMin);
    kept.yMax = static_cast<uint16_t>(rect.yMax);
    info.Width = static_cast<int32_t>(RoundHalfEven(kept.xMax / 20.0));
    info.Height = static_cast<int32_t>(RoundHalfEven(kept.yMax / 20.0));
    return kept;
}

FrameRect ReadRect(ByteReader& reader, MediaFileInfo& info)
{
    return StoreFrameRect(ReadSwfRect(reader), info);
}

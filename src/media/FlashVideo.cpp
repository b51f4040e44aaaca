#include "media/FlashVideo.h"

#include "base/AppFolders.h"
#include "base/ByteReader.h"
#include "base/XmlText.h"
#include "media/MediaFileInfo.h"

#include <QTime>

namespace {

struct FixedSize {
    int code;
    int width;
    int height;
};

// Sorenson H.263 picture size codes with a fixed frame size.
constexpr FixedSize kFixedSizes[] = {
    {2, 352, 288},
    {3, 176, 144},
    {4, 128, 96},
    {5, 320, 240},
    {6, 160, 120},
    {7, 640, 480},
};

constexpr int kHeaderBytes = 6;

QString PercentByte(uint8_t byte)
{
    return QStringLiteral("%%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

bool DecodeVideoFrameSize(const QByteArray& bits, int* width, int* height)
{
    QByteArray padded = bits.left(kHeaderBytes);
    padded.append(QByteArray(kHeaderBytes - padded.size(), '\0'));
    ByteReader reader(padded);
    reader.ReadUBits(6);
    const uint32_t code = reader.ReadUBits(3);
    if (code == 0 || code == 1) {
        const int fieldBits = code == 0 ? 8 : 16;
        *width = static_cast<int>(reader.ReadUBits(fieldBits));
        *height = static_cast<int>(reader.ReadUBits(fieldBits));
        return true;
    }
    for (const FixedSize& size : kFixedSizes) {
        if (static_cast<int>(code) == size.code) {
            *width = size.width;
            *height = size.height;
            return true;
        }
    }
    return false;
}

bool FindVideoFrameSize(const QByteArray& head, int* width, int* height)
{
    constexpr int kTagsLooked = 64;
    constexpr int kVideoTag = 9;
    constexpr uint32_t kSorenson = 2;
    ByteReader reader(head);
    if (reader.ReadBytes(3) != "FLV")
        return false;
    reader.Skip(2);
    const uint32_t firstTag = reader.ReadUBits(32);
    reader.Seek(int64_t(firstTag) + 4);  // the first previous-tag size
    for (int i = 0; i < kTagsLooked && reader.Ok() && reader.Remaining() >= 11; ++i) {
        const uint32_t type = reader.ReadU8() & 0x1f;
        const uint32_t size = reader.ReadUBits(24);
        reader.Skip(7);  // time stamp and stream id
        const int64_t data = reader.Pos();
        if (type == kVideoTag && size >= 10) {
            const uint32_t codec = reader.ReadU8() & 0x0f;
            reader.Skip(3);  // picture start code, version, temporal reference: bits 0 to 23
            const QByteArray bits = reader.ReadBytes(6);
            if (codec == kSorenson && reader.Ok())
                return DecodeVideoFrameSize(bits, width, height);
        }
        reader.Seek(data + size + 4);
    }
    return false;
}

QString VideoDescription(const QString& videoPath, int width, int height)
{
    return QStringLiteral("<?xml version=\"1.0\"?><VIDEO>") + QStringLiteral("<SOURCE>") + videoPath + QStringLiteral("</SOURCE>")
        + QStringLiteral("<WIDTH>") + QString::number(width) + QStringLiteral("</WIDTH>") + QStringLiteral("<HEIGHT>")
        + QString::number(height) + QStringLiteral("</HEIGHT>") + QStringLiteral("<FRAMES>") + QStringLiteral("0")
        + QStringLiteral("</FRAMES>") + QStringLiteral("</VIDEO>");
}

QString VideoWrapperAddress()
{
    const QString xmlPath = Folders().flash + QStringLiteral("video.xml");
    // Milliseconds keep two addresses made in one second apart, so the control never reuses
    // an earlier description.
    const QString time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz"));
    return Folders().flash + QStringLiteral("video.swf") + QStringLiteral("?myXML=") + EncodeUrlText(xmlPath)
        + QStringLiteral("&time=") + time;
}

void WrapFlashVideo(ByteReader& reader, MediaFileInfo& info)
{
    // A short file reads as zeros past its end, as the picture header is only looked at.
    const QByteArray bits = reader.ReadUpTo(kHeaderBytes);
    int width = 0;
    int height = 0;
    if (DecodeVideoFrameSize(bits, &width, &height)) {
        info.Width = width;
        info.Height = height;
    }
    SaveXML(Folders().flash + QStringLiteral("video.xml"), VideoDescription(info.WorkingPath, info.Width, info.Height));
    info.WorkingPath = VideoWrapperAddress();
}

QString EncodeUrlText(const QString& text)
{
    QString result;
    result.reserve(text.size() * 3);
    const QList<uint> codes = text.toUcs4();
    for (const uint code : codes) {
        if (code <= 64) {
            result += PercentByte(static_cast<uint8_t>(code));
        } else if (code <= 127) {
            result += QChar(static_cast<char16_t>(code));
        } else if (code == 185) {
            continue;
        } else {
            const QByteArray utf8 = QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1).toUtf8();
            for (const char byte : utf8)
                result += PercentByte(static_cast<uint8_t>(byte));
        }
    }
    return result;
}

#include "MediaTestSupport.h"

#include "common/TestSupport.h"
#include "swf/SwfWriter.h"

QByteArray MakeTestMovie(int version, bool compressed)
{
    SwfWriter writer;
    writer.SetVersion(static_cast<uint8_t>(version)).SetFrameSize(320, 240).SetFrameRate(12).SetBackgroundColor(0x33, 0x66, 0x99);
    writer.ShowFrame().ShowFrame();
    return writer.ToBytes(compressed);
}

QByteArray MakeTestVideo(const QByteArray& pictureBits)
{
    QByteArray video("FLV");
    video.append('\x01');                         // version
    video.append('\x01');                         // video only
    AppendU32(video, 0x09000000);                 // header size 9, big-endian
    AppendU32(video, 0);                          // first previous-tag size
    video.append('\x09');                         // video tag
    video.append(QByteArray::fromHex("000020"));  // data size
    video.append(QByteArray(4, '\0'));            // timestamp
    video.append(QByteArray(3, '\0'));            // stream id
    video.append('\x12');                         // key frame, Sorenson H.263 (offset 24)
    video.append(QByteArray::fromHex("000084"));  // start of the picture header (offsets 25 to 27)
    video.append(pictureBits.left(6));
    video.append(QByteArray(32, '\0'));
    return video;
}

QString WriteFile(const QString& dir, const QString& name, const QByteArray& bytes)
{
    QString path = dir;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    path += name;
    WriteAll(path, bytes);
    return path;
}

bool ContainsInOrder(const QStringList& lines, const QStringList& expected)
{
    qsizetype at = 0;
    for (const QString& line : lines) {
        if (at < expected.size() && line == expected[at])
            ++at;
    }
    return at == expected.size();
}

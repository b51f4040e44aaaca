#include "app/InstanceProtocol.h"

#include <QtEndian>

namespace {

bool IsKnownType(char type)
{
    return type == kFrameCaptionRequest || type == kFrameCaptionReply || type == kFrameHandOver || type == kFrameAcknowledge;
}

void AppendUInt32(QByteArray& bytes, quint32 value)
{
    char raw[4];
    qToBigEndian(value, raw);
    bytes.append(raw, 4);
}

quint32 UInt32At(const QByteArray& bytes, qsizetype offset)
{
    return qFromBigEndian<quint32>(bytes.constData() + offset);
}

}  // namespace

QString InstanceServerName(qint64 pid)
{
    return QStringLiteral("vorlen-") + QString::number(pid);
}

QByteArray EncodeFrame(char type, const QByteArray& payload)
{
    QByteArray frame;
    frame.reserve(kFrameHeaderSize + payload.size());
    frame.append(type);
    AppendUInt32(frame, quint32(payload.size()));
    frame.append(payload);
    return frame;
}

FrameStatus TakeFrame(QByteArray& buffer, InstanceFrame& frame)
{
    if (buffer.isEmpty())
        return FrameStatus::Incomplete;
    if (!IsKnownType(buffer.at(0)))
        return FrameStatus::Invalid;
    if (buffer.size() < kFrameHeaderSize)
        return FrameStatus::Incomplete;
    const quint32 length = UInt32At(buffer, 1);
    if (length > kMaxFramePayload)
        return FrameStatus::Invalid;
    if (buffer.size() - kFrameHeaderSize < qsizetype(length))
        return FrameStatus::Incomplete;
    frame.type = buffer.at(0);
    frame.payload = buffer.mid(kFrameHeaderSize, length);
    buffer.remove(0, kFrameHeaderSize + length);
    return FrameStatus::Complete;
}

QByteArray Utf16Bytes(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar ch : text) {
        bytes.append(char(ch.unicode() & 0xFF));
        bytes.append(char(ch.unicode() >> 8));
    }
    return bytes;
}

QString TextOfUtf16(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(char16_t(quint8(bytes[i]) | (quint8(bytes[i + 1]) << 8)));
    return text;
}

QByteArray HandOverPayload(const QString& text)
{
    const QByteArray data = Utf16Bytes(text);
    QByteArray payload;
    payload.reserve(8 + data.size());
    AppendUInt32(payload, 0);  // dwData
    AppendUInt32(payload, quint32(data.size()));
    payload.append(data);
    return payload;
}

bool ReadHandOverPayload(const QByteArray& payload, QString& text)
{
    if (payload.size() < 8)
        return false;
    const quint32 cbData = UInt32At(payload, 4);
    if (qsizetype(cbData) != payload.size() - 8)
        return false;
    text = TextOfUtf16(payload.mid(8));
    return true;
}

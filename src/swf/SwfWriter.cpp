#include "swf/SwfWriter.h"

#include <cmath>

#include <zlib.h>

void BitWriter::WriteUBits(uint32_t value, int bits)
{
    for (int i = bits - 1; i >= 0; --i) {
        m_current = static_cast<uint8_t>((m_current << 1) | ((value >> i) & 1u));
        if (++m_used == 8) {
            m_bytes.append(static_cast<char>(m_current));
            m_current = 0;
            m_used = 0;
        }
    }
}

void BitWriter::WriteSBits(int32_t value, int bits)
{
    WriteUBits(static_cast<uint32_t>(value) & (bits >= 32 ? 0xFFFFFFFFu : ((1u << bits) - 1u)), bits);
}

void BitWriter::Flush()
{
    if (m_used > 0)
        WriteUBits(0, 8 - m_used);
}

QByteArray BitWriter::Bytes()
{
    Flush();
    return m_bytes;
}

int BitWriter::SignedBitsFor(int32_t value)
{
    int bits = 1;
    while (bits < 32) {
        const int64_t low = -(int64_t(1) << (bits - 1));
        const int64_t high = (int64_t(1) << (bits - 1)) - 1;
        if (value >= low && value <= high)
            break;
        ++bits;
    }
    return bits;
}

int BitWriter::UnsignedBitsFor(uint32_t value)
{
    int bits = 0;
    while (bits < 32 && (value >> bits) != 0)
        ++bits;
    return bits;
}

void AppendU8(QByteArray& out, uint8_t value)
{
    out.append(static_cast<char>(value));
}

void AppendU16(QByteArray& out, uint16_t value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void AppendU32(QByteArray& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void AppendString(QByteArray& out, const QByteArray& text)
{
    out.append(text);
    out.append('\0');
}

QByteArray EncodeRect(int32_t xMin, int32_t xMax, int32_t yMin, int32_t yMax)
{
    int bits = 1;
    for (int32_t v : {xMin, xMax, yMin, yMax})
        bits = std::max(bits, BitWriter::SignedBitsFor(v));
    BitWriter writer;
    writer.WriteUBits(static_cast<uint32_t>(bits), 5);
    for (int32_t v : {xMin, xMax, yMin, yMax})
        writer.WriteSBits(v, bits);
    return writer.Bytes();
}

QByteArray EncodeTag(uint16_t code, const QByteArray& body, bool forceLong)
{
    QByteArray out;
    const auto length = static_cast<uint32_t>(body.size());
    if (length < 63 && !forceLong) {
        AppendU16(out, static_cast<uint16_t>((code << 6) | length));
    } else {
        AppendU16(out, static_cast<uint16_t>((code << 6) | 63));
        AppendU32(out, length);
    }
    out.append(body);
    return out;
}

SwfWriter& SwfWriter::SetVersion(uint8_t version)
{
    m_version = version;
    return *this;
}

SwfWriter& SwfWriter::SetFrameSize(int width, int height)
{
    return SetFrameRect(0, width * 20, 0, height * 20);
}

SwfWriter& SwfWriter::SetFrameRect(int32_t xMin, int32_t xMax, int32_t yMin, int32_t yMax)
{
    m_xMin = xMin;
    m_xMax = xMax;
    m_yMin = yMin;
    m_yMax = yMax;
    return *this;
}

SwfWriter& SwfWriter::SetFrameRate(double framesPerSecond)
{
    m_rate = static_cast<uint16_t>(std::lround(framesPerSecond * 256.0) & 0xFFFF);
    return *this;
}

SwfWriter& SwfWriter::SetFrameCount(uint16_t count)
{
    m_frameCount = count;
    return *this;
}

SwfWriter& SwfWriter::AddTag(uint16_t code, const QByteArray& body, bool forceLong)
{
    m_tags.append(EncodeTag(code, body, forceLong));
    if (code == 1)
        ++m_shownFrames;
    m_endsWithEnd = code == 0;
    return *this;
}

SwfWriter& SwfWriter::AddRaw(const QByteArray& encodedTags)
{
    m_tags.append(encodedTags);
    m_endsWithEnd = false;
    return *this;
}

SwfWriter& SwfWriter::SetBackgroundColor(uint8_t red, uint8_t green, uint8_t blue)
{
    QByteArray body;
    AppendU8(body, red);
    AppendU8(body, green);
    AppendU8(body, blue);
    return AddTag(9, body);
}

SwfWriter& SwfWriter::ShowFrame()
{
    return AddTag(1);
}

SwfWriter& SwfWriter::AddFileAttributes(bool actionScript3, bool useNetwork)
{
    QByteArray body;
    AppendU32(body, (actionScript3 ? 0x08u : 0u) | (useNetwork ? 0x01u : 0u));
    return AddTag(69, body);
}

QByteArray SwfWriter::ToBytes(bool compressed, bool withEnd) const
{
    QByteArray body = EncodeRect(m_xMin, m_xMax, m_yMin, m_yMax);
    AppendU16(body, m_rate);
    AppendU16(body, static_cast<uint16_t>(m_frameCount >= 0 ? m_frameCount : m_shownFrames));
    body.append(m_tags);
    if (withEnd && !m_endsWithEnd)
        body.append(EncodeTag(0, QByteArray()));

    QByteArray file(compressed ? "CWS" : "FWS");
    AppendU8(file, m_version);
    AppendU32(file, static_cast<uint32_t>(8 + body.size()));
    file.append(compressed ? ZlibCompress(body) : body);
    return file;
}

QByteArray ZlibCompress(const QByteArray& data, int level)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    QByteArray out(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.constData()),
            static_cast<uLong>(data.size()), level)
        != Z_OK)
        return QByteArray();
    out.resize(static_cast<qsizetype>(size));
    return out;
}

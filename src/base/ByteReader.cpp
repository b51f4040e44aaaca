#include "base/ByteReader.h"

#include <QBuffer>

ByteReader::ByteReader(QIODevice* device)
    : m_device(device)
{
    m_ok = device && device->isOpen() && device->isReadable();
    if (m_ok && !device->isWritable() && !device->isSequential())
        m_fixedSize = device->size();
}

ByteReader::ByteReader(const QByteArray& bytes)
{
    auto* buffer = new QBuffer();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    m_device = m_owned = buffer;
    m_fixedSize = bytes.size();
}

ByteReader::~ByteReader()
{
    delete m_owned;
}

int64_t ByteReader::Pos() const
{
    return m_device ? m_device->pos() : 0;
}

int64_t ByteReader::size() const
{
    if (m_fixedSize >= 0)
        return m_fixedSize;
    return m_device ? m_device->size() : 0;
}

bool ByteReader::Seek(int64_t position)
{
    m_bitCount = 0;
    if (!m_ok || position < 0 || position > size() || !m_device->seek(position)) {
        m_ok = false;
        return false;
    }
    return true;
}

bool ByteReader::Skip(int64_t count)
{
    if (count < 0) {
        m_ok = false;
        return false;
    }
    return Seek(Pos() + count);
}

bool ByteReader::ReadRaw(char* out, int64_t count)
{
    m_bitCount = 0;
    if (!m_ok)
        return false;
    if (count > Remaining() || m_device->read(out, count) != count) {
        m_ok = false;
        return false;
    }
    return true;
}

uint8_t ByteReader::ReadU8()
{
    unsigned char b = 0;
    return ReadRaw(reinterpret_cast<char*>(&b), 1) ? b : 0;
}

uint16_t ByteReader::ReadU16()
{
    unsigned char b[2] = {};
    if (!ReadRaw(reinterpret_cast<char*>(b), 2))
        return 0;
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t ByteReader::ReadU32()
{
    unsigned char b[4] = {};
    if (!ReadRaw(reinterpret_cast<char*>(b), 4))
        return 0;
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) | (static_cast<uint32_t>(b[2]) << 16)
        | (static_cast<uint32_t>(b[3]) << 24);
}

QByteArray ByteReader::ReadBytes(int64_t count)
{
    if (!m_ok || count < 0 || count > Remaining()) {
        m_bitCount = 0;
        m_ok = false;
        return QByteArray();
    }
    QByteArray bytes(static_cast<qsizetype>(count), Qt::Uninitialized);
    if (!ReadRaw(bytes.data(), count))
        return QByteArray();
    return bytes;
}

bool ByteReader::ReadInto(QByteArray& out, int64_t count)
{
    if (!m_ok || count < 0 || count > Remaining()) {
        m_bitCount = 0;
        m_ok = false;
        out.clear();
        return false;
    }
    out.resize(static_cast<qsizetype>(count));
    if (!ReadRaw(out.data(), count)) {
        out.clear();
        return false;
    }
    return true;
}

QByteArray ByteReader::ReadUpTo(int64_t count)
{
    if (!m_ok || count <= 0)
        return QByteArray();
    return ReadBytes(std::min(count, Remaining()));
}

uint32_t ByteReader::ReadUBits(int bits)
{
    uint32_t value = 0;
    for (int i = 0; i < bits; ++i) {
        if (m_bitCount == 0) {
            unsigned char b = 0;
            if (!m_ok || Remaining() < 1 || m_device->read(reinterpret_cast<char*>(&b), 1) != 1) {
                m_ok = false;
                return 0;
            }
            m_bitBuffer = b;
            m_bitCount = 8;
        }
        --m_bitCount;
        value = (value << 1) | ((m_bitBuffer >> m_bitCount) & 1u);
    }
    return value;
}

int32_t ByteReader::ReadSBits(int bits)
{
    const uint32_t value = ReadUBits(bits);
    if (bits <= 0 || bits >= 32)
        return static_cast<int32_t>(value);
    const uint32_t sign = 1u << (bits - 1);
    return static_cast<int32_t>((value ^ sign) - sign);
}

#include "PngBuilder.h"

#include <QtEndian>

#include <zlib.h>

namespace PngBuilder {

QByteArray Signature()
{
    return QByteArray::fromHex("89504e470d0a1a0a");
}

QByteArray Chunk(const char* type, const QByteArray& data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<uint32_t>(uint32_t(data.size()), chunk.data());
    const QByteArray body = QByteArray(type, 4) + data;
    chunk += body;
    const uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size()));
    QByteArray crcBytes(4, '\0');
    qToBigEndian<uint32_t>(crc, crcBytes.data());
    return chunk + crcBytes;
}

QByteArray Ihdr(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colorType, uint8_t interlace)
{
    QByteArray data(13, '\0');
    qToBigEndian<uint32_t>(width, data.data());
    qToBigEndian<uint32_t>(height, data.data() + 4);
    data[8] = char(bitDepth);
    data[9] = char(colorType);
    data[12] = char(interlace);
    return Chunk("IHDR", data);
}

QByteArray Idat(const QByteArray& filteredRows)
{
    uLongf size = compressBound(uLong(filteredRows.size()));
    QByteArray out(qsizetype(size), '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(filteredRows.constData()),
        uLong(filteredRows.size()));
    out.resize(qsizetype(size));
    return Chunk("IDAT", out);
}

QByteArray Iend()
{
    return Chunk("IEND", QByteArray());
}

QByteArray File(const QList<QByteArray>& chunks)
{
    QByteArray file = Signature();
    for (const QByteArray& chunk : chunks)
        file += chunk;
    return file;
}

}  // namespace PngBuilder

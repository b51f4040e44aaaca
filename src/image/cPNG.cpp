#include "image/cPNG.h"

#include "base/ByteReader.h"
#include "image/PixelBlend.h"
#include "image/PngDecoder.h"
#include "image/cDIBSection.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <vector>

namespace {

constexpr unsigned char kSignature[8] = {137, 'P', 'N', 'G', 13, 10, 26, 10};

// A chunk length above 2^31 - 1 is invalid in PNG.
constexpr uint32_t kMaxChunkLength = 0x7FFFFFFFu;

uint32_t ReadU32BE(ByteReader& reader)
{
    return qFromBigEndian(reader.ReadU32());
}

bool ValidHeader(const PngHeader& h)
{
    if (h.width < 1 || h.height < 1 || h.width > kMaxChunkLength || h.height > kMaxChunkLength)
        return false;
    const uint8_t d = h.bitDepth;
    bool depthOk = false;
    switch (h.colorType) {
    case 0:
        depthOk = d == 1 || d == 2 || d == 4 || d == 8 || d == 16;
        break;
    case 2:
    case 4:
    case 6:
        depthOk = d == 8 || d == 16;
        break;
    case 3:
        depthOk = d == 1 || d == 2 || d == 4 || d == 8;
        break;
    default:
        return false;
    }
    return depthOk && h.compressionMethod == 0 && h.filterMethod == 0 && h.interlaceMethod <= 1;
}

// What one walk over the chunks found; kept apart from the object until the file is
// accepted, so that a rejected file leaves the previous image in place.
struct ChunkWalk {
    PngHeader header;
    std::vector<PngChunk> chunks;
    QHash<QString, int> index;
    QStringList keys;
    QHash<QString, int> ordinals;

    void Add(PngChunk chunk)
    {
        const int ordinal = ++ordinals[chunk.type];
        const QString key = chunk.type + QString::number(ordinal);
        index.insert(key, int(chunks.size()));
        keys.append(key);
        chunks.push_back(std::move(chunk));
    }
    const QByteArray* Data(const QString& key) const
    {
        const auto it = index.constFind(key);
        return it == index.constEnd() ? nullptr : &chunks[*it].data;
    }
};

// Reads and checks the chunks up to IEND; false on the first structural fault.
bool WalkChunks(QFile& file, ChunkWalk& walk)
{
    ByteReader reader(&file);
    const QByteArray signature = reader.ReadBytes(8);
    if (signature != QByteArray::fromRawData(reinterpret_cast<const char*>(kSignature), 8))
        return false;

    bool idatSeen = false, idatEnded = false, plteSeen = false;
    uint32_t paletteEntries = 0;
    for (;;) {
        PngChunk chunk;
        chunk.length = ReadU32BE(reader);
        const QByteArray type = reader.ReadBytes(4);
        if (!reader.Ok() || chunk.length > kMaxChunkLength)
            return false;
        chunk.type = QString::fromLatin1(type);
        chunk.data = reader.ReadBytes(chunk.length);
        chunk.crc = ReadU32BE(reader);
        if (!reader.Ok())
            return false;

        // Bit 5 of the third letter is reserved and must be clear.
        if (uint8_t(type[2]) >= 97)
            return false;
        // A damaged chunk is a damaged file.
        uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(type.constData()), 4);
        crc = crc32(crc, reinterpret_cast<const Bytef*>(chunk.data.constData()), chunk.data.size());
        if (crc != chunk.crc)
            return false;

        const bool isIdat = chunk.type == QLatin1String("IDAT");
        if (isIdat) {
            if (idatEnded)
                return false;  // image data must be consecutive
        } else if (idatSeen) {
            idatEnded = true;
        }
        const PngHeader& h = walk.header;
        const QByteArray& data = chunk.data;

        if (chunk.type == QLatin1String("IHDR")) {
            if (!walk.chunks.empty() || chunk.length != 13)
                return false;
            PngHeader header;
            header.width = qFromBigEndian<uint32_t>(data.constData());
            header.height = qFromBigEndian<uint32_t>(data.constData() + 4);
            header.bitDepth = uint8_t(data[8]);
            header.colorType = uint8_t(data[9]);
            header.compressionMethod = uint8_t(data[10]);
            header.filterMethod = uint8_t(data[11]);
            header.interlaceMethod = uint8_t(data[12]);
            if (!ValidHeader(header))
                return false;
            walk.header = header;
        } else if (walk.chunks.empty()) {
            return false;  // IHDR must come first
        } else if (chunk.type == QLatin1String("PLTE")) {
            if (plteSeen || idatSeen || chunk.length < 3 || chunk.length % 3 != 0)
                return false;
            if (h.colorType != 2 && h.colorType != 3 && h.colorType != 6)
                return false;
            paletteEntries = chunk.length / 3;
            if (paletteEntries > (1u << h.bitDepth))
                return false;
            plteSeen = true;
        } else if (chunk.type == QLatin1String("tRNS")) {
            if (h.colorType == 3 && (!plteSeen || chunk.length > paletteEntries))
                return false;
            if (idatSeen || h.colorType == 4 || h.colorType == 6)
                return false;
        } else if (chunk.type == QLatin1String("bKGD")) {
            if ((h.colorType == 3 && !plteSeen) || idatSeen)
                return false;
        } else if (chunk.type == QLatin1String("IEND")) {
            if (!reader.AtEnd())
                return false;
            walk.Add(std::move(chunk));
            return true;
        } else if (!isIdat && uint8_t(type[0]) < 97) {
            return false;  // a critical chunk this reader does not know
        }
        idatSeen = idatSeen || isIdat;
        walk.Add(std::move(chunk));
    }
}

}  // namespace

int32_t cPNG::LoadPNGFile(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || info.isDir())
        return FileMissing;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return NotValidPng;

    ChunkWalk walk;
    if (!WalkChunks(file, walk))
        return NotValidPng;
    const PngHeader& h = walk.header;
    if (h.colorType == 3 && !walk.Data(QStringLiteral("PLTE1")))
        return NotValidPng;

    // Without any IDAT there is nothing to inflate: the file loads with an empty image.
    PngImageData data;
    data.header = h;
    for (const PngChunk& chunk : walk.chunks) {
        if (chunk.type == QLatin1String("IDAT"))
            data.idat.push_back(&chunk.data);
    }
    data.plte = walk.Data(QStringLiteral("PLTE1"));
    // A colour key of a grey or truecolour image is applied as well as palette alpha.
    data.trns = walk.Data(QStringLiteral("tRNS1"));
    PngBitmap bitmap = DecodePngImage(data);

    m_header = h;
    m_chunks = std::move(walk.chunks);
    m_chunkIndex = std::move(walk.index);
    m_chunkKeys = std::move(walk.keys);
    m_bitmap = std::move(bitmap);
    return Loaded;
}

const PngChunk* cPNG::Chunk(const QString& key) const
{
    const auto it = m_chunkIndex.constFind(key);
    return it == m_chunkIndex.constEnd() ? nullptr : &m_chunks[*it];
}

namespace {

// Pixel x of a bitmap row as 0xAARRGGBB; palette images and 24-bit images are opaque.
inline uint32_t BitmapPixel(const PngBitmap& bitmap, const uint8_t* row, int x)
{
    auto fromPalette = [&](uint32_t index) { return 0xFF000000u | (index < bitmap.palette.size() ? bitmap.palette[index] : 0u); };
    switch (bitmap.info.bitCount) {
    case 1:
        return fromPalette((row[x >> 3] >> (7 - (x & 7))) & 1);
    case 4:
        return fromPalette((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15);
    case 8:
        return fromPalette(row[x]);
    case 24:
        return 0xFF000000u | (uint32_t(row[3 * x + 2]) << 16) | (uint32_t(row[3 * x + 1]) << 8) | row[3 * x];
    default:
        return (uint32_t(row[4 * x + 3]) << 24) | (uint32_t(row[4 * x + 2]) << 16) | (uint32_t(row[4 * x + 1]) << 8) | row[4 * x];
    }
}

}  // namespace

void cPNG::RowARGB(int y, uint32_t* out) const
{
    const PngBitmapInfo& info = m_bitmap.info;
    if (m_bitmap.IsEmpty() || y < 0 || y >= info.height)
        return;
    const uint8_t* row
        = reinterpret_cast<const uint8_t*>(m_bitmap.pixels.constData()) + size_t(info.height - 1 - y) * m_bitmap.stride;
    for (int x = 0; x < info.width; ++x)
        out[x] = BitmapPixel(m_bitmap, row, x);
}

uint32_t cPNG::PixelARGB(int x, int y) const
{
    const PngBitmapInfo& info = m_bitmap.info;
    if (x < 0 || y < 0 || x >= info.width || y >= info.height)
        return 0;
    const uint8_t* row
        = reinterpret_cast<const uint8_t*>(m_bitmap.pixels.constData()) + size_t(info.height - 1 - y) * m_bitmap.stride;
    return BitmapPixel(m_bitmap, row, x);
}

void cPNG::DrawToDIB(cDIBSection& target, int x, int y, bool halfTransparent) const
{
    if (m_bitmap.IsEmpty() || target.IsEmpty())
        return;
    const int width = m_bitmap.info.width, height = m_bitmap.info.height;
    const int left = std::max(0, -x), right = std::min(width, target.Width() - x);
    if (left >= right)
        return;
    const bool blend = m_bitmap.info.bitCount == 32;
    std::vector<uint32_t> row(width);
    for (int sy = std::max(0, -y); sy < height && y + sy < target.Height(); ++sy) {
        RowARGB(sy, row.data());
        DrawArgbPixels(row.data() + left, target.ScanLine(y + sy) + 3 * (x + left), 3, right - left, blend, halfTransparent);
    }
}

#include "image/PngDecoder.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// Above this many bytes of pixels an image is not decoded: far beyond any picture of a
// window or a skin, and the most that a damaged header can make the program reserve.
constexpr uint64_t kMaxBitmapBytes = uint64_t(256) << 20;
// Deflate makes at most 1032 bytes of one compressed byte (a 258-byte match in two bits).
constexpr uint64_t kMaxInflateRatio = 1032;

// Adam7: first column, first row, column step, row step of the seven passes.
struct Adam7Pass {
    uint32_t x0, y0, dx, dy;
};
constexpr Adam7Pass kAdam7[7]
    = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

int ChannelsOf(uint8_t colorType)
{
    switch (colorType) {
    case 2:
        return 3;
    case 4:
        return 2;
    case 6:
        return 4;
    default:
        return 1;
    }
}

// Streams the concatenated IDAT data through zlib without copying it into one block.
class IdatInflater {
public:
    explicit IdatInflater(const std::vector<const QByteArray*>& parts)
        : m_parts(parts)
    {
        std::memset(&m_stream, 0, sizeof(m_stream));
        m_ready = inflateInit(&m_stream) == Z_OK;
    }
    ~IdatInflater()
    {
        if (m_ready)
            inflateEnd(&m_stream);
    }
    IdatInflater(const IdatInflater&) = delete;
    IdatInflater& operator=(const IdatInflater&) = delete;

    // Exactly count bytes, or false when the data ends or is damaged.
    bool Read(uint8_t* out, size_t count)
    {
        if (!m_ready)
            return false;
        m_stream.next_out = out;
        m_stream.avail_out = static_cast<uInt>(count);
        while (m_stream.avail_out > 0) {
            if (m_stream.avail_in == 0 && !NextPart())
                return false;
            const int status = inflate(&m_stream, Z_NO_FLUSH);
            if (status == Z_STREAM_END)
                return m_stream.avail_out == 0;
            if (status != Z_OK && status != Z_BUF_ERROR)
                return false;
        }
        return true;
    }

private:
    bool NextPart()
    {
        while (m_next < m_parts.size()) {
            const QByteArray* part = m_parts[m_next++];
            if (!part->isEmpty()) {
                m_stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(part->constData()));
                m_stream.avail_in = static_cast<uInt>(part->size());
                return true;
            }
        }
        return false;
    }

    const std::vector<const QByteArray*>& m_parts;
    size_t m_next = 0;
    z_stream m_stream;
    bool m_ready = false;
};

// What the image data must inflate to: every row with its filter byte, pass by pass when
// the image is interlaced.
uint64_t InflatedSize(const PngHeader& h, uint32_t bitsPerPixel)
{
    auto rows = [bitsPerPixel](uint64_t width, uint64_t height) { return ((width * bitsPerPixel + 7) / 8 + 1) * height; };
    if (h.interlaceMethod == 0)
        return rows(h.width, h.height);
    uint64_t total = 0;
    for (const Adam7Pass& pass : kAdam7) {
        if (h.width > pass.x0 && h.height > pass.y0)
            total += rows((h.width - pass.x0 + pass.dx - 1) / pass.dx, (h.height - pass.y0 + pass.dy - 1) / pass.dy);
    }
    return total;
}

inline uint8_t Paeth(int a, int b, int c)
{
    const int pa = std::abs(b - c);
    const int pb = std::abs(a - c);
    const int pc = std::abs(a + b - 2 * c);
    if (pa <= pb && pa <= pc)
        return static_cast<uint8_t>(a);
    return static_cast<uint8_t>(pb <= pc ? b : c);
}

// How the unfiltered PNG samples of a row become bitmap pixels.
enum class RowMode {
    Packed,        // 1, 4, 8-bit indices copied as they are
    Expand2,       // 2-bit indices to one byte each
    High16,        // 16-bit grey to its high byte (8-bit index)
    GreyKey,       // grey with a tRNS colour key to 32 bits
    Rgb,           // 8 or 16-bit truecolour to 24 bits
    RgbKey,        // truecolour with a colour key to 32 bits
    PaletteAlpha,  // palette with tRNS to 32 bits
    GreyAlpha,     // grey with alpha to 32 bits
    Rgba,          // truecolour with alpha to 32 bits
};

class RowConverter {
public:
    RowConverter(const PngImageData& data, PngBitmap& bitmap)
        : m_width(data.header.width)
        , m_depth(data.header.bitDepth)
    {
        const PngHeader& h = data.header;
        const uint32_t maxSample = (h.bitDepth == 16) ? 0xFFFFu : (1u << h.bitDepth) - 1;
        const QByteArray trns = data.trns ? *data.trns : QByteArray();
        auto u16 = [&](int at) { return static_cast<uint32_t>((uint8_t(trns[at]) << 8) | uint8_t(trns[at + 1])) & maxSample; };
        switch (h.colorType) {
        case 0:
            if (trns.size() >= 2) {
                m_mode = RowMode::GreyKey;
                m_key[0] = u16(0);
                m_bitCount = 32;
                break;
            }
            m_mode = h.bitDepth == 2 ? RowMode::Expand2 : h.bitDepth == 16 ? RowMode::High16 : RowMode::Packed;
            m_bitCount = h.bitDepth == 2 || h.bitDepth == 16 ? 8 : h.bitDepth;
            {
                const uint32_t levels = h.bitDepth == 16 ? 256u : 1u << h.bitDepth;
                for (uint32_t i = 0; i < levels; ++i) {
                    const uint32_t v = i * 255 / (levels - 1);
                    bitmap.palette.push_back((v << 16) | (v << 8) | v);
                }
            }
            break;
        case 2:
            if (trns.size() >= 6) {
                m_mode = RowMode::RgbKey;
                m_key[0] = u16(0);
                m_key[1] = u16(2);
                m_key[2] = u16(4);
                m_bitCount = 32;
            } else {
                m_mode = RowMode::Rgb;
                m_bitCount = 24;
            }
            break;
        case 3: {
            const QByteArray& plte = *data.plte;
            const int entries = static_cast<int>(plte.size() / 3);
            for (int i = 0; i < entries; ++i) {
                m_palette[i] = (uint32_t(uint8_t(plte[3 * i])) << 16) | (uint32_t(uint8_t(plte[3 * i + 1])) << 8)
                    | uint8_t(plte[3 * i + 2]);
            }
            if (data.trns) {
                // Indices beyond the tRNS entries are opaque; beyond the palette, opaque black.
                for (int i = 0; i < 256; ++i) {
                    const uint32_t alpha = i < trns.size() ? uint8_t(trns[i]) : 255u;
                    m_palette[i] = (alpha << 24) | (i < entries ? m_palette[i] : 0u);
                }
                m_mode = RowMode::PaletteAlpha;
                m_bitCount = 32;
            } else {
                bitmap.palette.assign(m_palette, m_palette + entries);
                m_mode = h.bitDepth == 2 ? RowMode::Expand2 : RowMode::Packed;
                m_bitCount = h.bitDepth == 2 ? 8 : h.bitDepth;
            }
            break;
        }
        case 4:
            m_mode = RowMode::GreyAlpha;
            m_bitCount = 32;
            break;
        default:
            m_mode = RowMode::Rgba;
            m_bitCount = 32;
            break;
        }
        m_rawBytes = (uint64_t(h.width) * h.bitDepth * ChannelsOf(h.colorType) + 7) / 8;
    }

    int BitCount() const { return m_bitCount; }

    void Convert(const uint8_t* raw, uint8_t* out) const
    {
        const uint32_t w = m_width;
        switch (m_mode) {
        case RowMode::Packed:
            std::memcpy(out, raw, m_rawBytes);
            break;
        case RowMode::Expand2:
            for (uint32_t x = 0; x < w; ++x)
                out[x] = (raw[x >> 2] >> (6 - 2 * (x & 3))) & 3;
            break;
        case RowMode::High16:
            for (uint32_t x = 0; x < w; ++x)
                out[x] = raw[2 * x];
            break;
        case RowMode::GreyKey: {
            const uint32_t scale = m_depth == 16 ? 1 : 255 / ((1u << m_depth) - 1);
            for (uint32_t x = 0; x < w; ++x) {
                const uint32_t s = Sample(raw, x);
                const uint32_t g = m_depth == 16 ? (s >> 8) : s * scale;
                const uint32_t a = s == m_key[0] ? 0u : 255u;
                Put32(out, x, (a << 24) | (g << 16) | (g << 8) | g);
            }
            break;
        }
        case RowMode::Rgb:
            if (m_depth == 8) {
                for (uint32_t x = 0; x < w; ++x) {
                    out[3 * x] = raw[3 * x + 2];
                    out[3 * x + 1] = raw[3 * x + 1];
                    out[3 * x + 2] = raw[3 * x];
                }
            } else {
                for (uint32_t x = 0; x < w; ++x) {
                    out[3 * x] = raw[6 * x + 4];
                    out[3 * x + 1] = raw[6 * x + 2];
                    out[3 * x + 2] = raw[6 * x];
                }
            }
            break;
        case RowMode::RgbKey:
            for (uint32_t x = 0; x < w; ++x) {
                uint32_t r, g, b;
                if (m_depth == 8) {
                    r = raw[3 * x], g = raw[3 * x + 1], b = raw[3 * x + 2];
                } else {
                    r = (raw[6 * x] << 8) | raw[6 * x + 1];
                    g = (raw[6 * x + 2] << 8) | raw[6 * x + 3];
                    b = (raw[6 * x + 4] << 8) | raw[6 * x + 5];
                }
                const uint32_t a = (r == m_key[0] && g == m_key[1] && b == m_key[2]) ? 0u : 255u;
                if (m_depth == 16)
                    r >>= 8, g >>= 8, b >>= 8;
                Put32(out, x, (a << 24) | (r << 16) | (g << 8) | b);
            }
            break;
        case RowMode::PaletteAlpha:
            for (uint32_t x = 0; x < w; ++x)
                Put32(out, x, m_palette[Sample(raw, x)]);
            break;
        case RowMode::GreyAlpha: {
            const uint32_t step = m_depth == 16 ? 4 : 2;
            const uint32_t alphaAt = m_depth == 16 ? 2 : 1;
            for (uint32_t x = 0; x < w; ++x) {
                const uint32_t g = raw[step * x];
                const uint32_t a = raw[step * x + alphaAt];
                Put32(out, x, (a << 24) | (g << 16) | (g << 8) | g);
            }
            break;
        }
        case RowMode::Rgba:
            if (m_depth == 8) {
                for (uint32_t x = 0; x < w; ++x) {
                    uint32_t v;
                    std::memcpy(&v, raw + 4 * x, 4);
                    // bytes R G B A to B G R A: swap the first and third byte
                    v = (v & 0xFF00FF00u) | ((v >> 16) & 0xFFu) | ((v & 0xFFu) << 16);
                    std::memcpy(out + 4 * x, &v, 4);
                }
            } else {
                for (uint32_t x = 0; x < w; ++x) {
                    out[4 * x] = raw[8 * x + 4];
                    out[4 * x + 1] = raw[8 * x + 2];
                    out[4 * x + 2] = raw[8 * x];
                    out[4 * x + 3] = raw[8 * x + 6];
                }
            }
            break;
        }
    }

private:
    // One sample of a single-channel row (grey or index) at any depth.
    uint32_t Sample(const uint8_t* raw, uint32_t x) const
    {
        switch (m_depth) {
        case 8:
            return raw[x];
        case 16:
            return (uint32_t(raw[2 * x]) << 8) | raw[2 * x + 1];
        default: {
            const uint32_t bit = x * m_depth;
            return (raw[bit >> 3] >> (8 - m_depth - (bit & 7))) & ((1u << m_depth) - 1);
        }
        }
    }
    // Stores 0xAARRGGBB as bytes blue, green, red, alpha.
    static void Put32(uint8_t* out, uint32_t x, uint32_t argb)
    {
        out[4 * x] = static_cast<uint8_t>(argb);
        out[4 * x + 1] = static_cast<uint8_t>(argb >> 8);
        out[4 * x + 2] = static_cast<uint8_t>(argb >> 16);
        out[4 * x + 3] = static_cast<uint8_t>(argb >> 24);
    }

    RowMode m_mode = RowMode::Packed;
    uint32_t m_width;
    uint32_t m_depth;
    int m_bitCount = 8;
    uint64_t m_rawBytes = 0;
    uint32_t m_key[3] = {};
    uint32_t m_palette[256] = {};
};

// Copies pixel i of a pass row into pixel x of a full-size row of the same layout.
void PlacePixel(const uint8_t* passRow, uint32_t i, uint8_t* row, uint32_t x, uint32_t bitsPerPixel)
{
    if (bitsPerPixel >= 8) {
        const uint32_t n = bitsPerPixel / 8;
        std::memcpy(row + size_t(x) * n, passRow + size_t(i) * n, n);
        return;
    }
    const uint32_t mask = (1u << bitsPerPixel) - 1;
    const uint32_t srcBit = i * bitsPerPixel;
    const uint32_t value = (passRow[srcBit >> 3] >> (8 - bitsPerPixel - (srcBit & 7))) & mask;
    const uint32_t dstBit = x * bitsPerPixel;
    const uint32_t shift = 8 - bitsPerPixel - (dstBit & 7);
    uint8_t& target = row[dstBit >> 3];
    target = static_cast<uint8_t>((target & ~(mask << shift)) | (value << shift));
}

}  // namespace

bool UnfilterPngRow(uint8_t filterType, uint8_t* row, const uint8_t* prev, size_t length, size_t pixelBytes)
{
    const size_t bpp = std::min(pixelBytes, length);
    switch (filterType) {
    case 0:
        return true;
    case 1:
        for (size_t i = bpp; i < length; ++i)
            row[i] = static_cast<uint8_t>(row[i] + row[i - bpp]);
        return true;
    case 2:
        for (size_t i = 0; i < length; ++i)
            row[i] = static_cast<uint8_t>(row[i] + prev[i]);
        return true;
    case 3:
        for (size_t i = 0; i < bpp; ++i)
            row[i] = static_cast<uint8_t>(row[i] + (prev[i] >> 1));
        for (size_t i = bpp; i < length; ++i)
            row[i] = static_cast<uint8_t>(row[i] + ((row[i - bpp] + prev[i]) >> 1));
        return true;
    case 4:
        for (size_t i = 0; i < bpp; ++i)
            row[i] = static_cast<uint8_t>(row[i] + prev[i]);
        for (size_t i = bpp; i < length; ++i)
            row[i] = static_cast<uint8_t>(row[i] + Paeth(row[i - bpp], prev[i], prev[i - bpp]));
        return true;
    default:
        return false;
    }
}

bool PngDataCanFill(const PngHeader& header, uint64_t compressedBytes)
{
    const uint32_t bitsPerPixel = uint32_t(header.bitDepth) * ChannelsOf(header.colorType);
    return InflatedSize(header, bitsPerPixel) <= (compressedBytes + 1) * kMaxInflateRatio;
}

PngBitmap DecodePngImage(const PngImageData& data)
{
    const PngHeader& h = data.header;
    const uint32_t bitsPerPixel = uint32_t(h.bitDepth) * ChannelsOf(h.colorType);
    const size_t pixelBytes = std::max<size_t>(1, bitsPerPixel / 8);
    const uint64_t rawBytes = (uint64_t(h.width) * bitsPerPixel + 7) / 8;

    PngBitmap bitmap;
    RowConverter converter(data, bitmap);
    const uint64_t stride = ((uint64_t(h.width) * converter.BitCount() + 31) / 32) * 4;
    if (stride * h.height > kMaxBitmapBytes || rawBytes * (h.interlaceMethod ? h.height : 1) > kMaxBitmapBytes)
        return PngBitmap();
    // A header that claims more pixels than the data can hold fails here, before the
    // bitmap is reserved.
    uint64_t compressed = 0;
    for (const QByteArray* part : data.idat)
        compressed += uint64_t(part->size());
    if (!PngDataCanFill(h, compressed))
        return PngBitmap();

    try {
        IdatInflater inflater(data.idat);
        QByteArray pixels(static_cast<qsizetype>(stride * h.height), Qt::Uninitialized);
        uint8_t* bottomUp = reinterpret_cast<uint8_t*>(pixels.data());
        auto outRow = [&](uint32_t y) { return bottomUp + (h.height - 1 - y) * stride; };
        // Padding bytes at the row ends are zero.
        auto clearPadding = [&](uint8_t* row) {
            const uint64_t used = (uint64_t(h.width) * converter.BitCount() + 7) / 8;
            std::memset(row + used, 0, stride - used);
        };

        std::vector<uint8_t> current(rawBytes + 1), previous(rawBytes + 1, 0);
        if (h.interlaceMethod == 0) {
            for (uint32_t y = 0; y < h.height; ++y) {
                if (!inflater.Read(current.data(), rawBytes + 1))
                    return PngBitmap();
                if (!UnfilterPngRow(current[0], current.data() + 1, previous.data() + 1, rawBytes, pixelBytes))
                    return PngBitmap();
                uint8_t* row = outRow(y);
                clearPadding(row);
                converter.Convert(current.data() + 1, row);
                current.swap(previous);
            }
        } else {
            // The seven passes are placed into a full raw image first, then converted.
            std::vector<uint8_t> raw(rawBytes * h.height, 0);
            for (const Adam7Pass& pass : kAdam7) {
                if (h.width <= pass.x0 || h.height <= pass.y0)
                    continue;
                const uint32_t passWidth = (h.width - pass.x0 + pass.dx - 1) / pass.dx;
                const uint32_t passHeight = (h.height - pass.y0 + pass.dy - 1) / pass.dy;
                const uint64_t passBytes = (uint64_t(passWidth) * bitsPerPixel + 7) / 8;
                std::fill(previous.begin(), previous.end(), 0);
                for (uint32_t j = 0; j < passHeight; ++j) {
                    if (!inflater.Read(current.data(), passBytes + 1))
                        return PngBitmap();
                    if (!UnfilterPngRow(current[0], current.data() + 1, previous.data() + 1, passBytes, pixelBytes))
                        return PngBitmap();
                    uint8_t* row = raw.data() + (pass.y0 + j * pass.dy) * rawBytes;
                    for (uint32_t i = 0; i < passWidth; ++i)
                        PlacePixel(current.data() + 1, i, row, pass.x0 + i * pass.dx, bitsPerPixel);
                    current.swap(previous);
                }
            }
            for (uint32_t y = 0; y < h.height; ++y) {
                uint8_t* row = outRow(y);
                clearPadding(row);
                converter.Convert(raw.data() + y * rawBytes, row);
            }
        }

        bitmap.pixels = std::move(pixels);
        bitmap.stride = static_cast<uint32_t>(stride);
        bitmap.info.width = static_cast<int32_t>(h.width);
        bitmap.info.height = static_cast<int32_t>(h.height);
        bitmap.info.bitCount = static_cast<uint16_t>(converter.BitCount());
        bitmap.info.sizeImage = static_cast<uint32_t>(stride * h.height);
        bitmap.info.colorsUsed = static_cast<uint32_t>(bitmap.palette.size());
        return bitmap;
    } catch (const std::bad_alloc&) {
        return PngBitmap();
    }
}

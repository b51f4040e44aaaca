#include "image/cDIBSection.h"

#include "base/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <vector>

namespace {

// Beyond this a surface is refused (no shot or thumbnail needs more than a few screens).
constexpr int64_t kMaxSurfaceBytes = int64_t(1) << 30;

// Clips a copy of width x height from (sx, sy) in a source of sw x sh to (dx, dy) in a
// destination of dw x dh; false when nothing is left.
bool ClipCopy(int32_t& sx, int32_t& sy, int32_t& dx, int32_t& dy, int32_t& width, int32_t& height, int32_t sw, int32_t sh,
    int32_t dw, int32_t dh)
{
    if (sx < 0) {
        width += sx, dx -= sx, sx = 0;
    }
    if (sy < 0) {
        height += sy, dy -= sy, sy = 0;
    }
    if (dx < 0) {
        width += dx, sx -= dx, dx = 0;
    }
    if (dy < 0) {
        height += dy, sy -= dy, dy = 0;
    }
    width = std::min({width, sw - sx, dw - dx});
    height = std::min({height, sh - sy, dh - dy});
    return width > 0 && height > 0;
}

void CopyRect(const cDIBSection& source, int32_t sx, int32_t sy, cDIBSection& destination, int32_t dx, int32_t dy, int32_t width,
    int32_t height)
{
    if (!ClipCopy(sx, sy, dx, dy, width, height, source.Width(), source.Height(), destination.Width(), destination.Height()))
        return;
    for (int32_t row = 0; row < height; ++row) {
        // memmove: source and destination may be the same bitmap
        std::memmove(destination.ScanLine(dy + row) + 3 * dx, source.ScanLine(sy + row) + 3 * sx, size_t(width) * 3);
    }
}

}  // namespace

bool cDIBSection::CreateDIB(int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0 || width > kMaxSurfaceBytes / 3
        || int64_t(BytesPerScanLineFor(width)) * height > kMaxSurfaceBytes) {
        ClearUp();
        return false;
    }
    const int32_t stride = BytesPerScanLineFor(width);
    try {
        m_bits = QByteArray(qsizetype(stride) * height, '\0');
    } catch (const std::bad_alloc&) {
        ClearUp();
        return false;
    }
    m_header = DibInfoHeader();
    m_header.width = width;
    m_header.height = height;
    m_header.sizeImage = uint32_t(stride) * uint32_t(height);
    return true;
}

bool cDIBSection::Create(int32_t width, int32_t height)
{
    ClearUp();
    return CreateDIB(width, height);
}

void cDIBSection::ClearUp()
{
    m_bits = QByteArray();
    m_header = DibInfoHeader();
}

uint8_t* cDIBSection::DIBSectionBitsPtr()
{
    return m_bits.isEmpty() ? nullptr : reinterpret_cast<uint8_t*>(m_bits.data());
}

const uint8_t* cDIBSection::DIBSectionBitsPtr() const
{
    return m_bits.isEmpty() ? nullptr : reinterpret_cast<const uint8_t*>(m_bits.constData());
}

uint8_t* cDIBSection::ScanLine(int32_t y)
{
    return DIBSectionBitsPtr() + qsizetype(m_header.height - 1 - y) * BytesPerScanLine();
}

const uint8_t* cDIBSection::ScanLine(int32_t y) const
{
    return DIBSectionBitsPtr() + qsizetype(m_header.height - 1 - y) * BytesPerScanLine();
}

uint32_t cDIBSection::Pixel(int32_t x, int32_t y) const
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return 0;
    const uint8_t* p = ScanLine(y) + 3 * x;
    return (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
}

void cDIBSection::SetPixel(int32_t x, int32_t y, uint32_t rgb)
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    uint8_t* p = ScanLine(y) + 3 * x;
    p[0] = static_cast<uint8_t>(rgb);
    p[1] = static_cast<uint8_t>(rgb >> 8);
    p[2] = static_cast<uint8_t>(rgb >> 16);
}

void cDIBSection::LoadPictureBlt(const cDIBSection& source, int32_t sourceX, int32_t sourceY, int32_t width, int32_t height)
{
    CopyRect(source, sourceX, sourceY, *this, 0, 0, width < 0 ? Width() : width, height < 0 ? Height() : height);
}

void cDIBSection::PaintPicture(
    cDIBSection& destination, int32_t x, int32_t y, int32_t width, int32_t height, int32_t sourceX, int32_t sourceY) const
{
    CopyRect(*this, sourceX, sourceY, destination, x, y, width < 0 ? Width() : width, height < 0 ? Height() : height);
}

std::unique_ptr<cDIBSection> cDIBSection::Resample(int32_t newWidth, int32_t newHeight) const
{
    auto result = std::make_unique<cDIBSection>();
    if (!result->Create(newWidth, newHeight))
        return nullptr;
    if (newWidth == Width() && newHeight == Height()) {
        result->LoadPictureBlt(*this, 0, 0);
        return result;
    }
    if (IsEmpty())
        return result;

    // Bilinear, in two rounded steps (between the rows, then between the columns), single
    // precision, halves to even. Rows are taken in memory order in both bitmaps, so the
    // picture is not flipped.
    const int32_t sw = Width(), sh = Height();
    const float rx = float(sw - 1) / float(newWidth);
    const float ry = float(sh - 1) / float(newHeight);
    const int32_t sourceStride = BytesPerScanLine();
    const int32_t destStride = result->BytesPerScanLine();
    const uint8_t* sourceBits = DIBSectionBitsPtr();
    uint8_t* destBits = result->DIBSectionBitsPtr();

    // Column positions are the same for every row.
    struct Column {
        int32_t left, right;
        float fx;
    };
    std::vector<Column> columns(newWidth);
    for (int32_t x = 0; x < newWidth; ++x) {
        const float fxFull = rx * float(x);
        const int32_t ix = std::min(int32_t(std::floor(fxFull)), sw - 1);
        columns[x] = {ix * 3, std::min(ix + 1, sw - 1) * 3, fxFull - std::floor(fxFull)};
    }

    for (int32_t y = 0; y < newHeight; ++y) {
        const float fyFull = ry * float(y);
        const int32_t iy = std::min(int32_t(std::floor(fyFull)), sh - 1);
        const float fy = fyFull - std::floor(fyFull);
        const float gy = 1.0f - fy;
        const uint8_t* row0 = sourceBits + qsizetype(iy) * sourceStride;
        const uint8_t* row1 = sourceBits + qsizetype(std::min(iy + 1, sh - 1)) * sourceStride;
        uint8_t* out = destBits + qsizetype(y) * destStride;
        for (int32_t x = 0; x < newWidth; ++x) {
            const Column& c = columns[x];
            const float gx = 1.0f - c.fx;
            for (int channel = 0; channel < 3; ++channel) {
                const float p00 = row0[c.left + channel], p10 = row0[c.right + channel];
                const float p01 = row1[c.left + channel], p11 = row1[c.right + channel];
                const float a = RoundHalfEvenValue(gy * p00 + fy * p01);
                const float b = RoundHalfEvenValue(gy * p10 + fy * p11);
                const float value = RoundHalfEvenValue(gx * a + c.fx * b);
                out[3 * x + channel] = static_cast<uint8_t>(std::clamp(value, 0.0f, 255.0f));
            }
        }
    }
    return result;
}

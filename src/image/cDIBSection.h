#pragma once

#include <QByteArray>

#include <cstdint>
#include <memory>

// The bitmap information header of a surface: 24 bits, no compression, positive height
// (rows stored bottom-up).
struct DibInfoHeader {
    uint32_t size = 40;
    int32_t width = 0;
    int32_t height = 0;
    uint16_t planes = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t sizeImage = 0;  // BytesPerScanLine() * height
};

// An off-screen 24-bit bitmap: pixels blue, green, red; every row padded to a multiple of
// 4 bytes; the bottom row first in memory. Pictures are copied in and out (the Qt side lives
// in image/ui/DibImage.h), it is scaled by bilinear resampling and its pixel memory goes to
// the JPEG writer. Coordinates of the copy and pixel operations count from the top-left.
class cDIBSection {
public:
    cDIBSection() = default;
    ~cDIBSection() { ClearUp(); }
    cDIBSection(const cDIBSection&) = delete;
    cDIBSection& operator=(const cDIBSection&) = delete;

    // Fills the header and reserves zeroed pixel memory; false, leaving the object empty, when
    // the size is not positive or the memory cannot be had.
    bool CreateDIB(int32_t width, int32_t height);
    // ClearUp, then CreateDIB.
    bool Create(int32_t width, int32_t height);

    // 3 x width rounded up to a multiple of 4.
    int32_t BytesPerScanLine() const { return BytesPerScanLineFor(m_header.width); }
    static int32_t BytesPerScanLineFor(int32_t width) { return ((width * 3 + 3) / 4) * 4; }
    int32_t Width() const { return m_header.width; }
    int32_t Height() const { return m_header.height; }
    const DibInfoHeader& Header() const { return m_header; }
    bool IsEmpty() const { return m_bits.isEmpty(); }

    // Copies from source at (sourceX, sourceY) into this bitmap at (0, 0); a negative width
    // or height means this bitmap's own. The rectangle is clipped to both bitmaps.
    void LoadPictureBlt(const cDIBSection& source, int32_t sourceX, int32_t sourceY, int32_t width = -1, int32_t height = -1);
    // Copies from this bitmap at (sourceX, sourceY) to destination at (x, y); negative sizes
    // as above.
    void PaintPicture(cDIBSection& destination, int32_t x, int32_t y, int32_t width = -1, int32_t height = -1,
        int32_t sourceX = 0, int32_t sourceY = 0) const;

    // The pixel memory (bottom row first); null when empty.
    uint8_t* DIBSectionBitsPtr();
    const uint8_t* DIBSectionBitsPtr() const;
    // The row y counted from the top.
    uint8_t* ScanLine(int32_t y);
    const uint8_t* ScanLine(int32_t y) const;
    // 0x00RRGGBB at (x, y) from the top-left; 0 outside.
    uint32_t Pixel(int32_t x, int32_t y) const;
    void SetPixel(int32_t x, int32_t y, uint32_t rgb);

    // Releases the pixel memory and resets the header.
    void ClearUp();

    // A new bitmap of the new size, filled by bilinear resampling, or a copy of the pixels
    // when the size is the same; none when the new bitmap cannot be created.
    std::unique_ptr<cDIBSection> Resample(int32_t newWidth, int32_t newHeight) const;

private:
    DibInfoHeader m_header;
    QByteArray m_bits;
};

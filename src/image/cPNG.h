#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class cDIBSection;

// One chunk as read from the file; the CRC is kept as it stands in the file.
struct PngChunk {
    uint32_t length = 0;
    QString type;
    QByteArray data;
    uint32_t crc = 0;
};

// The IHDR fields, big-endian numbers already converted.
struct PngHeader {
    uint32_t width = 0;
    uint32_t height = 0;
    uint8_t bitDepth = 0;
    uint8_t colorType = 0;
    uint8_t compressionMethod = 0;
    uint8_t filterMethod = 0;
    uint8_t interlaceMethod = 0;
};

// The 40-byte bitmap information header of the decoded image.
struct PngBitmapInfo {
    uint32_t size = 40;
    int32_t width = 0;
    int32_t height = 0;  // positive: rows are stored bottom-up
    uint16_t planes = 1;
    uint16_t bitCount = 0;  // 1, 4, 8, 24 or 32
    uint32_t compression = 0;
    uint32_t sizeImage = 0;
    uint32_t colorsUsed = 0;  // palette entries
};

// The decoded image in bitmap layout: rows padded to 4 bytes, bottom row first, pixels blue,
// green, red (and alpha, not premultiplied, at 32 bits); 1, 4 and 8 bits index the palette.
struct PngBitmap {
    PngBitmapInfo info;
    std::vector<uint32_t> palette;  // 0x00RRGGBB, i.e. bytes blue, green, red, reserved
    QByteArray pixels;
    uint32_t stride = 0;  // bytes per row, a multiple of 4
    bool IsEmpty() const { return info.width == 0 || info.height == 0; }
};

// Reads a PNG file, checks its chunk structure and decodes the image into a bitmap held in
// memory, ready to be drawn with per-pixel alpha onto a surface.
class cPNG {
public:
    enum LoadResult : int32_t { Loaded = 0, FileMissing = 1, NotValidPng = 3 };

    // 0 loaded, 1 the file does not exist, 3 not a valid PNG. On 0 the decoded image replaces
    // the previous one; on any other result the object keeps what it had.
    int32_t LoadPNGFile(const QString& path);

    int16_t BitDepth() const { return m_header.bitDepth; }
    int16_t ColorType() const { return m_header.colorType; }
    bool Interlaced() const { return m_header.interlaceMethod == 1; }
    int32_t Width() const { return static_cast<int32_t>(m_header.width); }
    int32_t Height() const { return static_cast<int32_t>(m_header.height); }
    const PngHeader& Header() const { return m_header; }

    // The chunk store: keys are the chunk name followed by its ordinal among chunks of that
    // name ("IHDR1", "IDAT1", "IDAT2"...), in file order.
    const QStringList& ChunkKeys() const { return m_chunkKeys; }
    const PngChunk* Chunk(const QString& key) const;

    const PngBitmap& Bitmap() const { return m_bitmap; }
    bool IsEmpty() const { return m_bitmap.IsEmpty(); }
    // The decoded pixel at (x, y), counted from the top-left, as 0xAARRGGBB; images without
    // alpha give 255. Outside the image: 0.
    uint32_t PixelARGB(int x, int y) const;
    // Writes the top-down row y as 0xAARRGGBB values (Width() entries).
    void RowARGB(int y, uint32_t* out) const;

    // Draws the image with its top-left corner at (x, y) of the surface: opaque images are
    // copied, 32-bit images blended per pixel; halfTransparent halves every alpha first.
    void DrawToDIB(cDIBSection& target, int x, int y, bool halfTransparent = false) const;

private:
    PngHeader m_header;
    std::vector<PngChunk> m_chunks;
    QHash<QString, int> m_chunkIndex;
    QStringList m_chunkKeys;
    PngBitmap m_bitmap;
};

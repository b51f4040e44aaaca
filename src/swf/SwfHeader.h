#pragma once

#include <QByteArray>

#include <cstdint>

class ByteReader;

// The movie header, read through the checked byte reader. A movie starts with an 8-byte file
// header (signature, version, length); the frame rectangle, rate and count follow in the
// plain body, which for "CWS" and "ZWS" movies lies inside the compressed data.

// How the bytes after the file header are stored, as the signature says.
enum class SwfCompression {
    Unknown,  // not a movie signature
    None,     // "FWS"
    Zlib,     // "CWS": one zlib stream from offset 8
    Lzma,     // "ZWS": compressed length and LZMA properties, then LZMA data from offset 17
};

inline constexpr int kSwfFileHeaderSize = 8;
inline constexpr int kLzmaPropertiesSize = 5;
inline constexpr int kLzmaDataOffset = kSwfFileHeaderSize + 4 + kLzmaPropertiesSize;

struct SwfFileHeader {
    QByteArray signature;  // the three characters as they stand
    SwfCompression compression = SwfCompression::Unknown;
    uint8_t version = 0;
    uint32_t length = 0;  // the expanded length the header states, header included
};

// Reads the 8 bytes at the reader's position. False when fewer are left (the reader fails).
bool ReadSwfFileHeader(ByteReader& reader, SwfFileHeader& header);

// What a "ZWS" movie keeps between its file header and its LZMA data.
struct SwfLzmaHeader {
    uint32_t compressedLength = 0;  // as stated; readers do not rely on it
    QByteArray properties;          // the 5 LZMA properties (lc/lp/pb, dictionary size)
};

// Reads the 9 bytes at the reader's position (offset 8 of a "ZWS" file).
bool ReadSwfLzmaHeader(ByteReader& reader, SwfLzmaHeader& header);

// A RECT record: the field width, then Xmin, Xmax, Ymin, Ymax in twips, each as the unsigned
// number of `bits` bits that the file holds.
struct SwfRect {
    int bits = 0;
    uint32_t xMin = 0;
    uint32_t xMax = 0;
    uint32_t yMin = 0;
    uint32_t yMax = 0;

    // A field read as the signed number it stands for in the file format.
    int32_t Signed(uint32_t field) const;
};

// Reads a RECT at the reader's position and leaves the reader on the next whole byte.
SwfRect ReadSwfRect(ByteReader& reader);

// The fields at the start of the plain body.
struct SwfMovieHeader {
    SwfRect frame;
    uint16_t frameRate = 0;  // 8.8 fixed point: the high byte is the integer part
    uint16_t frameCount = 0;
    int64_t firstTagOffset = 0;  // reader position of the first tag, right after the fields

    int FrameRateInteger() const { return frameRate >> 8; }
    double FrameRateValue() const { return frameRate / 256.0; }
};

// Reads rectangle, rate and count at the reader's position (offset 8 of a plain movie). False
// when the data ends inside them.
bool ReadSwfMovieHeader(ByteReader& reader, SwfMovieHeader& header);

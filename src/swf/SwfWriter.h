#pragma once

#include <QByteArray>

#include <cstdint>

// Writes SWF files: the header with its frame rectangle, rate and count, and tags with
// short or long headers. Used to make the player's own small movies at run time and
// movies for tests.

// Bit fields written most significant bit first, as SWF records need them.
class BitWriter {
public:
    void WriteUBits(uint32_t value, int bits);
    void WriteSBits(int32_t value, int bits);
    // Pads the current byte with zero bits.
    void Flush();
    QByteArray Bytes();

    // The fewest bits that hold value as a signed field.
    static int SignedBitsFor(int32_t value);
    static int UnsignedBitsFor(uint32_t value);

private:
    QByteArray m_bytes;
    uint8_t m_current = 0;
    int m_used = 0;
};

// Little-endian helpers for tag bodies.
void AppendU8(QByteArray& out, uint8_t value);
void AppendU16(QByteArray& out, uint16_t value);
void AppendU32(QByteArray& out, uint32_t value);
// A NUL-terminated string.
void AppendString(QByteArray& out, const QByteArray& text);

// A RECT record in twips.
QByteArray EncodeRect(int32_t xMin, int32_t xMax, int32_t yMin, int32_t yMax);

// A tag: code and body with the short header (length < 63) or the long one.
// forceLong writes the long header even for short bodies.
QByteArray EncodeTag(uint16_t code, const QByteArray& body, bool forceLong = false);

class SwfWriter {
public:
    SwfWriter& SetVersion(uint8_t version);
    // Frame size in pixels (the rectangle is written in twips from the origin).
    SwfWriter& SetFrameSize(int width, int height);
    SwfWriter& SetFrameRect(int32_t xMin, int32_t xMax, int32_t yMin, int32_t yMax);
    // 8.8 fixed-point frame rate.
    SwfWriter& SetFrameRate(double framesPerSecond);
    // Counted automatically from ShowFrame tags unless set.
    SwfWriter& SetFrameCount(uint16_t count);

    SwfWriter& AddTag(uint16_t code, const QByteArray& body = QByteArray(), bool forceLong = false);
    SwfWriter& AddRaw(const QByteArray& encodedTags);
    SwfWriter& SetBackgroundColor(uint8_t red, uint8_t green, uint8_t blue);
    SwfWriter& ShowFrame();
    // FileAttributes with the ActionScript 3 flag or without.
    SwfWriter& AddFileAttributes(bool actionScript3, bool useNetwork = false);

    // The whole file: "FWS", or "CWS" with everything after the 8-byte header compressed.
    // An End tag is appended unless the tags already end with one (or withEnd is false).
    QByteArray ToBytes(bool compressed = false, bool withEnd = true) const;

    // The tags written so far (without the header).
    const QByteArray& Tags() const { return m_tags; }

private:
    uint8_t m_version = 6;
    int32_t m_xMin = 0, m_xMax = 550 * 20, m_yMin = 0, m_yMax = 400 * 20;
    uint16_t m_rate = 12 << 8;
    int m_frameCount = -1;
    int m_shownFrames = 0;
    QByteArray m_tags;
    bool m_endsWithEnd = false;
};

// zlib-compresses data (used for "CWS" bodies and DefineBitsLossless).
QByteArray ZlibCompress(const QByteArray& data, int level = 6);

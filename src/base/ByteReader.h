#pragma once

#include <QByteArray>
#include <QIODevice>

#include <cstdint>

// The one checked reader of binary data (movie headers, tags, video, projector trailers,
// executables). Multi-byte numbers are little-endian; bit fields are read most significant
// bit first across the bytes. A read past the end fails, and the failure is sticky: every
// later read returns 0 or empty and ok() stays false, so a truncated file ends cleanly.
//
// The reader works over any QIODevice (a file is read as it goes, never whole) or over a
// byte array held in memory.
class ByteReader {
public:
    explicit ByteReader(QIODevice* device);
    explicit ByteReader(const QByteArray& bytes);
    ~ByteReader();
    ByteReader(const ByteReader&) = delete;
    ByteReader& operator=(const ByteReader&) = delete;

    bool Ok() const { return m_ok; }
    // Marks the reader failed (a caller found the data inconsistent).
    void Fail() { m_ok = false; }

    // 0-based position of the next byte.
    int64_t Pos() const;
    int64_t size() const;
    int64_t Remaining() const { return size() - Pos(); }
    bool AtEnd() const { return Pos() >= size(); }

    // Moves to a 0-based position; beyond the end fails.
    bool Seek(int64_t position);
    bool Skip(int64_t count);

    uint8_t ReadU8();
    uint16_t ReadU16();
    uint32_t ReadU32();
    int16_t ReadS16() { return static_cast<int16_t>(ReadU16()); }
    int32_t ReadS32() { return static_cast<int32_t>(ReadU32()); }
    // Exactly count bytes, or empty and failed.
    QByteArray ReadBytes(int64_t count);
    // Up to count bytes (fewer at the end); never fails.
    QByteArray ReadUpTo(int64_t count);
    // Exactly count bytes into out, reusing its storage (for loops over many records); on
    // failure out is empty and the reader failed.
    bool ReadInto(QByteArray& out, int64_t count);

    // Bit fields. Bits continue inside the current byte until alignBits() or any byte read.
    uint32_t ReadUBits(int bits);
    int32_t ReadSBits(int bits);
    void AlignBits() { m_bitCount = 0; }

private:
    bool ReadRaw(char* out, int64_t count);

    QIODevice* m_device = nullptr;
    QIODevice* m_owned = nullptr;
    // The size of a device opened only for reading, taken once: asking a file each time
    // costs a system call per read.
    int64_t m_fixedSize = -1;
    bool m_ok = true;
    uint8_t m_bitBuffer = 0;
    int m_bitCount = 0;  // bits left in m_bitBuffer
};

#pragma once

#include <cstdint>

class ByteReader;

// Tag records: a 16-bit value whose upper 10 bits are the tag code and lower 6 bits the
// length; a length of 63 means that a 32-bit length follows and the data starts after it.

// The tag codes the program acts on.
namespace SwfTagCode {
inline constexpr uint16_t kEnd = 0;
inline constexpr uint16_t kShowFrame = 1;
inline constexpr uint16_t kDefineBits = 6;
inline constexpr uint16_t kJpegTables = 8;
inline constexpr uint16_t kSetBackgroundColor = 9;
inline constexpr uint16_t kDoAction = 12;
inline constexpr uint16_t kDefineSound = 14;
inline constexpr uint16_t kSoundStreamHead = 18;
inline constexpr uint16_t kSoundStreamBlock = 19;
inline constexpr uint16_t kDefineBitsJpeg2 = 21;
inline constexpr uint16_t kDefineBitsJpeg3 = 35;
inline constexpr uint16_t kDefineSprite = 39;
inline constexpr uint16_t kSoundStreamHead2 = 45;
inline constexpr uint16_t kFileAttributes = 69;
inline constexpr uint16_t kDefineBitsJpeg4 = 90;
}  // namespace SwfTagCode

// The ActionScript 3 flag in the first byte of a FileAttributes tag.
inline constexpr uint8_t kFileAttributesActionScript3 = 0x08;

struct SwfTagHeader {
    uint16_t code = 0;
    uint32_t length = 0;  // bytes of tag data after the header
    int headerSize = 0;   // 2, or 6 for the long form
};

// Reads the tag header at the reader's position when it lies whole before end (a 0-based
// position: the end of the data, or of the sprite being walked). Returns false when it does
// not: then the reader has not moved unless the data itself failed to read.
bool ReadSwfTagHeader(ByteReader& reader, int64_t end, SwfTagHeader& tag);

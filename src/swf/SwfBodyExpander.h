#pragma once

#include "swf/SwfHeader.h"

#include <QByteArray>

#include <cstdint>
#include <functional>

class QIODevice;

// Expansion of the body of a compressed movie, piece by piece: zlib for "CWS", LZMA (the
// LZMA1 data that follows the properties) for "ZWS". Neither the compressed nor the expanded
// data is ever held whole; the expansion stops where the stream really ends.

enum class ExpansionEnd {
    StreamEnd,    // the stream ended (LZMA: also when the stated length was reached)
    DataEnd,      // the compressed data ran out before the stream ended
    Damaged,      // the data is not a valid stream, or the LZMA properties are not valid
    Full,         // the stream holds more than the limit
    OutOfMemory,  // the decoder could not be set up
};

struct ExpansionResult {
    ExpansionEnd end = ExpansionEnd::Damaged;
    int64_t produced = 0;  // expanded bytes handed to the output
};

// Gives the next piece of compressed input; false (or an empty piece) when there is no more.
using ExpansionInput = std::function<bool(const char** data, int64_t* size)>;
// Takes the next piece of expanded output.
using ExpansionOutput = std::function<void(const char* data, int64_t size)>;

// Input from a byte array (not copied: it must outlive the expansion) or a device read as it
// goes from its current position.
ExpansionInput InputFromBytes(const QByteArray& bytes);
ExpansionInput InputFromDevice(QIODevice& device);

// The most bytes a stream of compressedSize bytes can expand to: deflate's ratio limit of
// 1032:1, or for LZMA the ratio its coder reaches on endless runs (a little over 7000:1).
int64_t MostExpandedSize(SwfCompression compression, int64_t compressedSize);

// Expands the stream that input gives and hands at most limit bytes to output. For LZMA,
// lzmaProperties are the 5 properties of the header, and limit (the stated length less the 8
// header bytes) ends the stream as its end marker would: movies are written with and without.
ExpansionResult ExpandSwfBody(SwfCompression compression, const QByteArray& lzmaProperties, const ExpansionInput& input,
    const ExpansionOutput& output, int64_t limit);

// Everything the stream holds up to limit bytes, in memory.
QByteArray ExpandSwfBodyToBytes(SwfCompression compression, const QByteArray& lzmaProperties, const QByteArray& data,
    int64_t limit, ExpansionResult* result = nullptr);

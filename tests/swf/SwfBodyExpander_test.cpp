#include "common/LzmaMovie.h"

#include "swf/SwfBodyExpander.h"
#include "swf/SwfWriter.h"

#include <gtest/gtest.h>

#include <lzma.h>

#include <vector>

namespace {

// Data that compresses, but not to nothing.
QByteArray Varied(int size)
{
    QByteArray data;
    uint32_t state = 7;
    while (data.size() < size) {
        state = state * 1103515245u + 12345u;
        data.append(QByteArray(1 + static_cast<int>((state >> 28) & 3), static_cast<char>(state >> 16)));
    }
    return data.left(size);
}

struct LzmaBody {
    QByteArray properties;
    QByteArray data;
};

// The properties and data of an LZMA movie made from data.
LzmaBody Lzma(const QByteArray& data)
{
    const QByteArray movie = LzmaMovie(QByteArray("FWS\x0D\0\0\0\0", 8) + data);
    return {movie.mid(12, 5), movie.mid(kLzmaDataOffset)};
}

// LZMA data without an end marker, as some writers make it: the reader needs the length.
LzmaBody LzmaWithoutEndMarker(const QByteArray& data)
{
    lzma_options_lzma options;
    lzma_lzma_preset(&options, 6);
    options.dict_size = 1 << 16;
    options.ext_flags = 0;
    lzma_filter filters[2] = {{LZMA_FILTER_LZMA1EXT, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
    lzma_stream stream = LZMA_STREAM_INIT;
    EXPECT_EQ(lzma_raw_encoder(&stream, filters), LZMA_OK);
    std::vector<uint8_t> out(static_cast<size_t>(data.size()) * 2 + 1024);
    stream.next_in = reinterpret_cast<const uint8_t*>(data.constData());
    stream.avail_in = static_cast<size_t>(data.size());
    stream.next_out = out.data();
    stream.avail_out = out.size();
    EXPECT_EQ(lzma_code(&stream, LZMA_FINISH), LZMA_STREAM_END);
    const size_t written = out.size() - stream.avail_out;
    lzma_end(&stream);
    uint8_t properties[5] = {};
    lzma_filter plain = {LZMA_FILTER_LZMA1, &options};
    EXPECT_EQ(lzma_properties_encode(&plain, properties), LZMA_OK);
    return {QByteArray(reinterpret_cast<const char*>(properties), 5),
        QByteArray(reinterpret_cast<const char*>(out.data()), static_cast<qsizetype>(written))};
}

// The input given one byte at a time: the expansion must not depend on how it is cut up.
ExpansionInput ByteByByte(const QByteArray& bytes)
{
    auto at = std::make_shared<qsizetype>(0);
    return [&bytes, at](const char** data, int64_t* size) {
        if (*at >= bytes.size())
            return false;
        *data = bytes.constData() + (*at)++;
        *size = 1;
        return true;
    };
}

}  // namespace

TEST(SwfBodyExpander, ZlibStopsWhereTheStreamEnds)
{
    const QByteArray data = Varied(300000);
    const QByteArray packed = ZlibCompress(data);
    QByteArray damaged = packed;
    damaged[10] = static_cast<char>(damaged[10] ^ 0x55);
    const struct {
        const char* name;
        QByteArray input;
        int64_t limit;
        ExpansionEnd end;
        qsizetype produced;
    } cases[] = {
        {"whole", packed, data.size(), ExpansionEnd::StreamEnd, data.size()},
        {"a length field claiming 4 GB", packed, 0xFFFFFFF7LL, ExpansionEnd::StreamEnd, data.size()},
        {"junk after the stream", packed + QByteArray(5000, 'j'), 0xFFFFFFF7LL, ExpansionEnd::StreamEnd, data.size()},
        {"limit below the data", packed, 1000, ExpansionEnd::Full, 1000},
        {"no room at all", packed, 0, ExpansionEnd::Full, 0},
        {"cut short", packed.left(packed.size() / 2), data.size(), ExpansionEnd::DataEnd, -1},
        {"no data", QByteArray(), 100, ExpansionEnd::DataEnd, 0},
        {"damaged", damaged, data.size(), ExpansionEnd::Damaged, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExpansionResult result;
        const QByteArray out = ExpandSwfBodyToBytes(SwfCompression::Zlib, QByteArray(), c.input, c.limit, &result);
        EXPECT_EQ(result.end, c.end);
        EXPECT_EQ(result.produced, out.size());
        if (c.produced >= 0) {
            EXPECT_EQ(out.size(), c.produced);
        }
        EXPECT_EQ(out, data.left(out.size())) << "whatever was produced is the start of the data";
    }
    // A cut-short stream gives everything its bytes hold, however the input arrives.
    const QByteArray cut = packed.left(packed.size() / 2);
    QByteArray pieces;
    const ExpansionResult slow = ExpandSwfBody(
        SwfCompression::Zlib, QByteArray(), ByteByByte(cut), [&](const char* d, int64_t n) { pieces.append(d, n); }, data.size());
    EXPECT_EQ(slow.end, ExpansionEnd::DataEnd);
    EXPECT_EQ(pieces, ExpandSwfBodyToBytes(SwfCompression::Zlib, QByteArray(), cut, data.size()));
    EXPECT_GT(pieces.size(), data.size() / 3);
}

TEST(SwfBodyExpander, LzmaStopsAtItsEndMarkerOrTheStatedLength)
{
    const QByteArray data = Varied(200000);
    const LzmaBody marked = Lzma(data);
    const LzmaBody unmarked = LzmaWithoutEndMarker(data);
    ASSERT_FALSE(marked.data.isEmpty());
    ASSERT_FALSE(unmarked.data.isEmpty());
    QByteArray badStart = marked.data;
    badStart[0] = 0x40;  // the range coder's first byte is always 0
    const struct {
        const char* name;
        LzmaBody body;
        int64_t limit;
        ExpansionEnd end;
        qsizetype produced;
    } cases[] = {
        {"end marker", marked, data.size(), ExpansionEnd::StreamEnd, data.size()},
        {"end marker, a length field claiming 4 GB", marked, 0xFFFFFFF7LL, ExpansionEnd::StreamEnd, data.size()},
        {"no end marker, the length", unmarked, data.size(), ExpansionEnd::StreamEnd, data.size()},
        {"a length field shorter than the data", marked, 5000, ExpansionEnd::StreamEnd, 5000},
        {"cut short", {marked.properties, marked.data.left(marked.data.size() / 2)}, data.size(), ExpansionEnd::DataEnd, -1},
        {"damaged start", {marked.properties, badStart}, data.size(), ExpansionEnd::Damaged, 0},
        {"impossible properties", {QByteArray("\xFF\x00\x00\x01\x00", 5), marked.data}, data.size(), ExpansionEnd::Damaged, 0},
        {"properties cut off", {marked.properties.left(3), marked.data}, data.size(), ExpansionEnd::Damaged, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExpansionResult result;
        const QByteArray out = ExpandSwfBodyToBytes(SwfCompression::Lzma, c.body.properties, c.body.data, c.limit, &result);
        EXPECT_EQ(result.end, c.end);
        EXPECT_EQ(result.produced, out.size());
        if (c.produced >= 0) {
            EXPECT_EQ(out.size(), c.produced);
        }
        EXPECT_EQ(out, data.left(out.size()));
    }
    // Byte by byte, the same result.
    QByteArray pieces;
    const ExpansionResult slow = ExpandSwfBody(
        SwfCompression::Lzma, marked.properties, ByteByByte(marked.data), [&](const char* d, int64_t n) { pieces.append(d, n); },
        data.size());
    EXPECT_EQ(slow.end, ExpansionEnd::StreamEnd);
    EXPECT_EQ(pieces, data);
}

TEST(SwfBodyExpander, LzmaDictionaryIsBoundedByTheOutput)
{
    // Properties that ask for a 4 GB dictionary: a small movie still expands, within a small
    // decoder, while the same properties with a length field that could fill them are refused.
    const QByteArray data = Varied(4000);
    LzmaBody body = Lzma(data);
    body.properties = QByteArray("\x5D\xFF\xFF\xFF\xFF", 5);
    ExpansionResult result;
    EXPECT_EQ(ExpandSwfBodyToBytes(SwfCompression::Lzma, body.properties, body.data, data.size(), &result), data);
    EXPECT_EQ(result.end, ExpansionEnd::StreamEnd);
    ExpandSwfBodyToBytes(SwfCompression::Lzma, body.properties, body.data, 0xFFFFFFF7LL, &result);
    EXPECT_EQ(result.end, ExpansionEnd::Damaged);
}

TEST(SwfBodyExpander, MostExpandedSizeHoldsForTheMostCompressibleData)
{
    const QByteArray zeros(8 * 1024 * 1024, '\0');
    const QByteArray zlib = ZlibCompress(zeros, 9);
    EXPECT_GE(MostExpandedSize(SwfCompression::Zlib, zlib.size()), zeros.size());
    EXPECT_LT(MostExpandedSize(SwfCompression::Zlib, zlib.size()), zeros.size() * 2);
    const LzmaBody lzma = Lzma(zeros);
    EXPECT_GE(MostExpandedSize(SwfCompression::Lzma, lzma.data.size() + 5), zeros.size());
    EXPECT_EQ(MostExpandedSize(SwfCompression::Zlib, 0), 0);
    EXPECT_EQ(
        MostExpandedSize(SwfCompression::Lzma, std::numeric_limits<int64_t>::max() / 2), std::numeric_limits<int64_t>::max());
}

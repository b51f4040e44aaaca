#include "swf/SwfBodyExpander.h"

#include <QIODevice>

#include <lzma.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <memory>

namespace {

constexpr int64_t kChunk = 256 * 1024;
constexpr int64_t kMaxStep = std::numeric_limits<uInt>::max();
constexpr int64_t kDeflateMostRatio = 1032;
constexpr int64_t kLzmaMostRatio = 8000;
// No movie needs a bigger LZMA decoder; a header that asks for one is damaged.
constexpr uint64_t kMaxLzmaMemory = uint64_t(512) * 1024 * 1024;

// Hands the input out in pieces that one decoder call takes.
class InputFeed {
public:
    explicit InputFeed(const ExpansionInput& input)
        : m_input(input)
    {
    }

    bool Done() const { return m_done && m_size == 0; }

    // The next piece, at most max bytes; empty once the input is exhausted.
    void Next(const char** data, int64_t* size, int64_t max)
    {
        if (m_size == 0 && !m_done) {
            if (!m_input || !m_input(&m_data, &m_size) || m_size <= 0) {
                m_done = true;
                m_size = 0;
            }
        }
        *data = m_data;
        *size = std::min(m_size, max);
        m_data += *size;
        m_size -= *size;
    }

private:
    const ExpansionInput& m_input;
    const char* m_data = nullptr;
    int64_t m_size = 0;
    bool m_done = false;
};

ExpansionResult ExpandZlib(const ExpansionInput& input, const ExpansionOutput& output, int64_t limit)
{
    ExpansionResult result;
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        result.end = ExpansionEnd::OutOfMemory;
        return result;
    }
    std::unique_ptr<char[]> chunk(new char[kChunk]);
    InputFeed feed(input);
    for (;;) {
        if (stream.avail_in == 0) {
            const char* data = nullptr;
            int64_t size = 0;
            feed.Next(&data, &size, kMaxStep);
            stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
            stream.avail_in = static_cast<uInt>(size);
        }
        // With the limit reached, one byte of room tells whether the stream holds more.
        const int64_t room = limit - result.produced;
        const int64_t step = room > 0 ? std::min(room, kChunk) : 1;
        stream.next_out = reinterpret_cast<Bytef*>(chunk.get());
        stream.avail_out = static_cast<uInt>(step);
        const int code = inflate(&stream, Z_NO_FLUSH);
        const int64_t written = step - static_cast<int64_t>(stream.avail_out);
        if (room <= 0 && written > 0) {
            result.end = ExpansionEnd::Full;
            break;
        }
        if (written > 0 && output)
            output(chunk.get(), written);
        result.produced += written;
        if (code == Z_STREAM_END) {
            result.end = ExpansionEnd::StreamEnd;
            break;
        }
        if (code == Z_NEED_DICT || code == Z_DATA_ERROR || code == Z_STREAM_ERROR) {
            result.end = ExpansionEnd::Damaged;
            break;
        }
        if (code == Z_MEM_ERROR) {
            result.end = ExpansionEnd::OutOfMemory;
            break;
        }
        if (code == Z_BUF_ERROR && stream.avail_in == 0 && feed.Done()) {
            result.end = ExpansionEnd::DataEnd;
            break;
        }
    }
    inflateEnd(&stream);
    return result;
}

// The raw LZMA1 decoder for the properties. It runs to the stream's end marker; the caller stops
// it at the stated length, which streams without an end marker rely on.
lzma_ret SetUpLzma(lzma_stream& stream, const QByteArray& properties, int64_t limit)
{
    if (properties.size() != kLzmaPropertiesSize)
        return LZMA_OPTIONS_ERROR;
    lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, nullptr}, {LZMA_VLI_UNKNOWN, nullptr}};
    const lzma_ret decoded = lzma_properties_decode(
        &filters[0], nullptr, reinterpret_cast<const uint8_t*>(properties.constData()), kLzmaPropertiesSize);
    if (decoded != LZMA_OK)
        return decoded;
    auto* options = static_cast<lzma_options_lzma*>(filters[0].options);
    // A dictionary beyond the whole output is never used.
    const int64_t needed = std::max<int64_t>(limit, LZMA_DICT_SIZE_MIN);
    options->dict_size = static_cast<uint32_t>(std::min<int64_t>(options->dict_size, needed));
    lzma_ret ready = LZMA_OPTIONS_ERROR;
    if (lzma_raw_decoder_memusage(filters) <= kMaxLzmaMemory)
        ready = lzma_raw_decoder(&stream, filters);
    free(options);  // the decoder keeps its own copy
    return ready;
}

ExpansionResult ExpandLzma(
    const QByteArray& properties, const ExpansionInput& input, const ExpansionOutput& output, int64_t limit)
{
    ExpansionResult result;
    lzma_stream stream = LZMA_STREAM_INIT;
    const lzma_ret ready = SetUpLzma(stream, properties, limit);
    if (ready != LZMA_OK) {
        result.end = ready == LZMA_MEM_ERROR ? ExpansionEnd::OutOfMemory : ExpansionEnd::Damaged;
        lzma_end(&stream);
        return result;
    }
    std::unique_ptr<uint8_t[]> chunk(new uint8_t[kChunk]);
    InputFeed feed(input);
    for (;;) {
        if (stream.avail_in == 0) {
            const char* data = nullptr;
            int64_t size = 0;
            feed.Next(&data, &size, std::numeric_limits<int64_t>::max());
            stream.next_in = reinterpret_cast<const uint8_t*>(data);
            stream.avail_in = static_cast<size_t>(size);
        }
        // The stated length ends the stream as its end marker would.
        const int64_t room = std::min(limit - result.produced, kChunk);
        if (room <= 0) {
            result.end = ExpansionEnd::StreamEnd;
            break;
        }
        stream.next_out = chunk.get();
        stream.avail_out = static_cast<size_t>(room);
        const lzma_ret code = lzma_code(&stream, feed.Done() ? LZMA_FINISH : LZMA_RUN);
        const int64_t written = room - static_cast<int64_t>(stream.avail_out);
        if (written > 0 && output)
            output(reinterpret_cast<const char*>(chunk.get()), written);
        result.produced += written;
        if (code == LZMA_OK)
            continue;
        if (code == LZMA_STREAM_END)
            result.end = ExpansionEnd::StreamEnd;
        else if (code == LZMA_BUF_ERROR)
            result.end = ExpansionEnd::DataEnd;  // no progress: the data ran out
        else if (code == LZMA_MEM_ERROR)
            result.end = ExpansionEnd::OutOfMemory;
        else
            result.end = ExpansionEnd::Damaged;
        break;
    }
    lzma_end(&stream);
    return result;
}

}  // namespace

ExpansionInput InputFromBytes(const QByteArray& bytes)
{
    auto given = std::make_shared<bool>(false);
    return [&bytes, given](const char** data, int64_t* size) {
        if (*given)
            return false;
        *given = true;
        *data = bytes.constData();
        *size = bytes.size();
        return true;
    };
}

ExpansionInput InputFromDevice(QIODevice& device)
{
    auto chunk = std::make_shared<QByteArray>(static_cast<qsizetype>(kChunk), Qt::Uninitialized);
    return [&device, chunk](const char** data, int64_t* size) {
        const qint64 got = device.read(chunk->data(), chunk->size());
        if (got <= 0)
            return false;
        *data = chunk->constData();
        *size = got;
        return true;
    };
}

int64_t MostExpandedSize(SwfCompression compression, int64_t compressedSize)
{
    const int64_t ratio = compression == SwfCompression::Lzma ? kLzmaMostRatio : kDeflateMostRatio;
    if (compressedSize <= 0)
        return 0;
    if (compressedSize > std::numeric_limits<int64_t>::max() / ratio)
        return std::numeric_limits<int64_t>::max();
    return compressedSize * ratio;
}

ExpansionResult ExpandSwfBody(SwfCompression compression, const QByteArray& lzmaProperties, const ExpansionInput& input,
    const ExpansionOutput& output, int64_t limit)
{
    limit = std::max<int64_t>(limit, 0);
    if (compression == SwfCompression::Lzma)
        return ExpandLzma(lzmaProperties, input, output, limit);
    return ExpandZlib(input, output, limit);
}

QByteArray ExpandSwfBodyToBytes(
    SwfCompression compression, const QByteArray& lzmaProperties, const QByteArray& data, int64_t limit, ExpansionResult* result)
{
    QByteArray expanded;
    const ExpansionResult outcome = ExpandSwfBody(
        compression, lzmaProperties, InputFromBytes(data),
        [&expanded](const char* piece, int64_t size) { expanded.append(piece, static_cast<qsizetype>(size)); }, limit);
    if (result)
        *result = outcome;
    return expanded;
}

#include "common/LzmaMovie.h"

#include <lzma.h>

#include <vector>

QByteArray LzmaMovie(const QByteArray& plain)
{
    lzma_options_lzma options;
    lzma_lzma_preset(&options, 6);
    options.dict_size = 1 << 16;
    lzma_stream stream = LZMA_STREAM_INIT;
    if (plain.size() < 8 || lzma_alone_encoder(&stream, &options) != LZMA_OK)
        return QByteArray();
    // The ".lzma" form: properties (5), uncompressed size (8, "unknown"), data.
    std::vector<uint8_t> out(static_cast<size_t>(plain.size()) * 2 + 1024);
    stream.next_in = reinterpret_cast<const uint8_t*>(plain.constData()) + 8;
    stream.avail_in = static_cast<size_t>(plain.size() - 8);
    stream.next_out = out.data();
    stream.avail_out = out.size();
    const lzma_ret code = lzma_code(&stream, LZMA_FINISH);
    const size_t written = out.size() - stream.avail_out;
    lzma_end(&stream);
    if (code != LZMA_STREAM_END || written < 13)
        return QByteArray();
    const QByteArray alone(reinterpret_cast<const char*>(out.data()), static_cast<qsizetype>(written));
    const QByteArray data = alone.mid(13);
    QByteArray movie("ZWS");
    movie += plain.mid(3, 5);
    const uint32_t packed = static_cast<uint32_t>(data.size());
    for (int i = 0; i < 4; ++i)
        movie += static_cast<char>((packed >> (8 * i)) & 0xFF);
    movie += alone.left(5);
    movie += data;
    return movie;
}

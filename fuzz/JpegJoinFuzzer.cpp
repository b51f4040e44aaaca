#include "FuzzSupport.h"

#include "swf/SwfImages.h"

#include <algorithm>

// The JPEG segment reader of extraction: tables of a JPEGTables tag and the image data of a
// DefineBits tag joined into one stream. The input is a 16-bit little-endian length, that
// many bytes of tables, then the image data.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const size_t tablesLength = std::min<size_t>(size - 2, data[0] | (data[1] << 8));
    const auto* bytes = reinterpret_cast<const char*>(data + 2);
    const QByteArray tables(bytes, static_cast<qsizetype>(tablesLength));
    const QByteArray image(bytes + tablesLength, static_cast<qsizetype>(size - 2 - tablesLength));
    ImageFormatOf(image);
    JoinJpeg(tables, image);
    JoinJpeg(QByteArray(), tables + image);
    return 0;
}

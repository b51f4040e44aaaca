#pragma once

#include "image/cPNG.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <vector>

// What the decoder needs from the chunk store: the header, the IDAT data in file order and
// the PLTE and tRNS data (null when absent).
struct PngImageData {
    PngHeader header;
    std::vector<const QByteArray*> idat;
    const QByteArray* plte = nullptr;
    const QByteArray* trns = nullptr;
};

// Inflates the image data, undoes the row filters (Adam7 passes included) and converts the
// samples into the bitmap layout. Data that does not inflate to the size the header implies,
// or a row with an unknown filter type, gives an empty bitmap; so does a header whose bitmap
// would take more than 256 MB, or more than the data can hold, and then nothing is reserved.
PngBitmap DecodePngImage(const PngImageData& data);

// Whether compressedBytes of image data can inflate to the rows the header describes (filter
// bytes included): deflate makes at most 1032 bytes of one.
bool PngDataCanFill(const PngHeader& header, uint64_t compressedBytes);

// Undoes one row's filter in place; prev is the previous unfiltered row (zeros for the first
// row of an image or pass), pixelBytes the byte distance of one pixel (at least 1). False for
// a filter type other than 0 to 4.
bool UnfilterPngRow(uint8_t filterType, uint8_t* row, const uint8_t* prev, size_t length, size_t pixelBytes);

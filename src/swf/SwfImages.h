#pragma once

#include <QByteArray>

// Bitmap data as the DefineBits family of tags stores it. DefineBits holds a JPEG image
// whose tables may stand apart in a JPEGTables tag; DefineBitsJPEG2, 3 and 4 hold a JPEG,
// PNG or GIF file. Movies before SWF 8 may put the bytes FF D9 FF D8 (an erroneous header)
// before a JPEG's start-of-image marker, and some keep tables and image as two JPEG streams
// back to back.

enum class SwfImageFormat { Jpeg, Png, Gif };

// What the data holds, by its first bytes; JPEG unless it is a PNG or GIF file.
SwfImageFormat ImageFormatOf(const QByteArray& data);

// The file extension for a format, with its dot (".jpg", ".png", ".gif").
const char* ImageExtension(SwfImageFormat format);

// One JPEG stream made of the tables (a JPEGTables tag's data, may be empty) and the image:
// start-of-image, the image's application segments, the tables' segments, the image's own
// segments and its scan. Erroneous headers and the markers between streams are dropped, so
// any layout of tables gives an image that a decoder reads. Returns empty when the image
// data has no scan that could be found; the table data is passed over when it cannot be read.
QByteArray JoinJpeg(const QByteArray& tables, const QByteArray& image);

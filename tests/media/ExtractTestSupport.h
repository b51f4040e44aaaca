#pragma once

#include "media/MediaFileInfo.h"
#include "media/ResourceExtractor.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <ostream>

// Material for extraction tests: real JPEG data from libjpeg-turbo, MP3 frames, movies
// split the ways movie tools store JPEG images.

// A baseline colour JPEG made by libjpeg-turbo (two quantisation tables, four standard
// Huffman tables).
QByteArray MakeJpeg(int width, int height, int seed);

// True when libjpeg-turbo decodes the whole image without a warning; width and height of
// the image when given.
// The decoded pixels when given.
bool DecodesAsJpeg(const QByteArray& jpeg, int* width = nullptr, int* height = nullptr, QByteArray* pixels = nullptr);

// A JPEG split into its table part (SOI, DQT, DHT, EOI: 574 bytes for MakeJpeg's output)
// and its image part (SOI, APP0, SOF, SOS, scan data, EOI). tableMarkers choose the segments
// that go to the table part, in the order the image holds them.
struct SplitJpeg {
    QByteArray tables;
    QByteArray image;
};
SplitJpeg SplitJpegTables(const QByteArray& jpeg, const QList<uint8_t>& tableMarkers = {0xDB, 0xC4});

// count MPEG-1 layer III frames (128 kbit/s, 44.1 kHz), frame sync first.
QByteArray MakeMp3(int frames, int seed);

// True when the data begins with an MP3 frame sync or an ID3 tag.
bool StartsLikeMp3(const QByteArray& data);

// The record of a movie identified for extraction (fully expanded); a failed
// identification fails the test and gives an empty record.
MediaFileInfo IdentifyForExtraction(const QString& path);

// Every file name in a folder, sorted.
QStringList FilesIn(const QString& folder);

// Readable QString and QStringList values in test failures.
void PrintTo(const QString& text, std::ostream* out);
void PrintTo(const QStringList& list, std::ostream* out);

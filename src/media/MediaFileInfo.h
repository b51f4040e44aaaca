#pragma once

#include "media/MovieDamage.h"

#include <QString>

#include <cstdint>

class ByteReader;
struct SwfRect;

// What the player knows about one opened file: the movie header facts and the paths that lead
// to it. The player keeps one for the movie in the control; the information box, the resource
// extractor and the shot window keep their own.
struct MediaFileInfo {
    uint8_t Version = 0;           // byte 3 of the file (the FLV version byte for a video)
    bool Compressed = false;       // a "CWS" or "ZWS" movie of version 6 or later
    double UncompressedSize = 0;   // the header's length field; the file size for a video
    int32_t FileSize = 0;          // size of the file as named (the executable for a projector)
    int32_t Width = 0;             // frame width in pixels
    int32_t Height = 0;            // frame height in pixels
    float FrameRate = 0;           // integer part of the 8.8 rate
    int32_t FrameCount = 0;        // frames in the header
    QString WorkingPath;           // what the Flash control loads
    QString SourcePath;            // the path as named (moved along by a full expansion)
    QString FileName;              // file-name part of the named path, with extension
    bool IsProjector = false;      // WorkingPath is the movie taken out of a projector
    bool IsVideo = false;          // Flash Video
    QString BackgroundColor;       // six upper-case hexadecimal digits, red first
    uint8_t FirstTagPosition = 0;  // 1-based file position of the first tag
    // Whether the movie is whole: filled by CheckMovieDamage, which looks through the whole
    // file (identification reads only the header).
    MovieDamage Damage;
};

// Every number 0, every flag false, every text empty.
void ResetMediaInfo(MediaFileInfo& info);

// Six upper-case hexadecimal digits, red first ("FF8000").
QString ColorToHex(uint8_t red, uint8_t green, uint8_t blue);

// A frame rectangle in twips, fields read unsigned.
struct FrameRect {
    uint16_t xMin = 0;
    uint16_t xMax = 0;
    uint16_t yMin = 0;
    uint16_t yMax = 0;
};

// The rectangle's fields as the record keeps them (16 bits each, unsigned), after storing
// Width = Xmax / 20 and Height = Ymax / 20, rounded halves to even, into info.
FrameRect StoreFrameRect(const SwfRect& rect, MediaFileInfo& info);

// Reads a RECT record at the reader's position (5 bits of field width, then Xmin, Xmax, Ymin,
// Ymax, most significant bit first), leaves the reader on the next whole byte and stores
// Width = Xmax / 20 and Height = Ymax / 20, rounded halves to even, into info.
FrameRect ReadRect(ByteReader& reader, MediaFileInfo& info);

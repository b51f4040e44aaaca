#pragma once

#include <cstdint>

struct MediaFileInfo;

// Whether a movie is whole: its header's length against the data it really holds (expanded,
// for a compressed movie), and its root tags against the end of the data. A Flash Video is
// walked tag by tag.

enum class MovieDamageKind {
    NotChecked,
    Whole,
    HeaderCut,      // the data ends inside the movie header
    CutShort,       // the header states more bytes than the movie holds
    TagPastEnd,     // a tag runs past the end of the data
    StreamDamaged,  // the compressed data is not a valid stream
};

struct MovieDamage {
    MovieDamageKind kind = MovieDamageKind::NotChecked;
    int64_t statedLength = 0;  // the header's length field (0 for a video)
    int64_t dataLength = 0;    // bytes the movie holds, header included, expanded
    int tagCode = -1;          // the tag that runs past the end, when its header was read

    bool IsDamaged() const { return kind != MovieDamageKind::NotChecked && kind != MovieDamageKind::Whole; }
};

// Looks through the whole file that identification described in info (the movie taken out of
// a projector; a compressed movie is expanded as it is read, nothing is written; a fully
// expanded record is checked against its compressed source) and stores the finding in
// info.Damage. A file that cannot be read leaves NotChecked.
const MovieDamage& CheckMovieDamage(MediaFileInfo& info);

#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

struct MediaFileInfo;

// The resource extractor: walks the tag stream of an uncompressed movie and writes its images
// (JPEG, and the PNG and GIF files that DefineBitsJPEG2 to 4 may carry), MP3 event sounds and
// MP3 sound streams as plain files.

// The kinds of resources, in the order of the counters.
enum class ResourceKind { Jpeg = 0, Png = 1, Event = 2, Stream = 3, Video = 4 };
inline constexpr int kResourceKindCount = 5;

// One counter per kind. On entry 0 for each chosen kind and -1 for the others (a negative
// counter makes the walk skip that kind); on return the number of files written.
struct ExtractCounters {
    std::array<int32_t, kResourceKindCount> value{-1, -1, -1, -1, -1};

    int32_t& operator[](ResourceKind kind) { return value[static_cast<int>(kind)]; }
    int32_t operator[](ResourceKind kind) const { return value[static_cast<int>(kind)]; }
    // Counters from the chosen kinds: 0 when chosen, -1 when not.
    static ExtractCounters Chosen(bool jpeg, bool png, bool event, bool stream, bool video);
};

// What one walk reads of the movie record.
struct ExtractSource {
    static ExtractSource FromMediaInfo(const MediaFileInfo& info);

    QString workingPath;          // the readable, uncompressed movie file
    double uncompressedSize = 0;  // divisor of the progress fraction
    int firstTagPosition = 0;     // 1-based file position of the first tag
    QString fileName;             // base of every output name, extension included
    bool isVideo = false;
};

// How the walk reports. report runs after every handled tag; pump at most every 0.1 s
// (to keep a window responsive); clock gives the time of day in seconds (tests set their
// own). Any of them may be empty.
struct ExtractProgress {
    std::function<void(double fraction, const QString& caption)> report;
    std::function<void()> pump;
    std::function<float()> clock;
};

// The walk. destination is the output folder (a trailing separator is added when missing).
// Returns when the movie is exhausted or cancel is set (read before every tag); counters
// are updated in place. Failures never leave the walk: a damaged or truncated movie ends it
// with what was written so far.
void ExtractResources(const ExtractSource& source, const QString& destination, const ExtractProgress& progress,
    ExtractCounters& counters, const bool& cancel);
// The same walk over the movie that identification (with full expansion) described.
void ExtractResources(const MediaFileInfo& info, const QString& destination, const ExtractProgress& progress,
    ExtractCounters& counters, const bool& cancel);

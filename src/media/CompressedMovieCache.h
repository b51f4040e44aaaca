#pragma once

#include <QString>

#include <cstdint>

class QIODevice;
struct MediaFileInfo;

// Compressed movies ("CWS" zlib, "ZWS" LZMA) and the cache folder that holds their expanded
// copies, the movies taken out of projectors and the thumbnails.

// Expands info.WorkingPath into the cache file named after info.SourcePath (".tmp"). With
// headerOnly, only the 8-byte header and the first 18 expanded bytes are written (an existing
// header file is reused) and info stays as it was; otherwise the whole movie is written, and
// info.WorkingPath becomes the expanded file (SourcePath takes the former WorkingPath).
// The expanded copy ends where the stream ends; a stream cut short or damaged is filled with
// zeros up to the header's length when the compressed bytes could have filled that much.
// Returns the written file's path, or "" on failure (an LZMA movie fails when its properties
// or its stream are damaged).
QString DecompressFlash(MediaFileInfo& info, bool headerOnly);

// The cache name of a path. flatten: ":\" -> "@", then "\\", "//", "\" and "/" -> "#", the
// cache folder in front unless nameOnly, then suffix. Without flatten: the path up to its
// last "." (only the file-name part with nameOnly), then suffix.
QString CachePathFor(const QString& path, const QString& suffix, bool flatten, bool nameOnly);

// Expands a zlib stream into output, which has room for capacity bytes; bytes not produced
// stay as they were. Returns zlib's result code as its one-call uncompress gives it: 0 when
// the stream ended, -3 (Z_DATA_ERROR) for damaged or cut-short data, -5 (Z_BUF_ERROR) when the
// stream holds more than capacity bytes.
int Uncompress(const char* input, int64_t inputSize, char* output, int64_t capacity);

// The same over a device read as it goes, so that the compressed bytes are never held whole.
// Only the first keep bytes of the expanded data are stored in output (keep <= capacity);
// the rest is expanded and counted against capacity but not kept.
int UncompressDevice(QIODevice& input, char* output, int64_t capacity, int64_t keep);

// Deletes files of the cache folder: 1 the expanded and extracted movies ("*.swf", "*.exe",
// "*.tmp"), 2 everything, 3 the thumbnails ("*.jpg"); other modes nothing. Sub-folders and the
// folder itself stay; failures are passed over file by file.
void ClearCache(int mode);

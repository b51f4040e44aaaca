#pragma once

#include <QString>

struct MediaFileInfo;

// The error texts of identification.
inline constexpr const char* kNotFlashMovie = "Not a Flash Movie";
inline constexpr const char* kErrorReadingCompressed = "Error Reading Compressed Movie";

// Tells a file's kind from its first bytes ("FWS", "CWS", "FLV", or "MZ" for a projector,
// whose movie is taken out into the cache and identified in turn) and reads the movie header
// into info. A compressed movie is expanded into the cache: only its header unless expandFully.
// A Flash Video gets its frame size and the wrapper address. Returns "" on success, else the
// reason; on failure info is reset.
QString IdentifyMedia(const QString& path, MediaFileInfo& info, bool expandFully);

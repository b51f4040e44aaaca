#pragma once

#include <QString>

class cDIBSection;

// The error number and source of the JPEG writer's failures.
inline constexpr int kJpegErrorNumber = 26001;
QString JpegErrorSource();  // kAppName + ".mIntelJPEGLibrary"

// Status codes of the encoder, given in the error descriptions.
namespace JpegStatus {
inline constexpr int Ok = 0;
inline constexpr int EncoderFailed = -1;  // the encoder reported an error while writing
inline constexpr int NoImage = -2;        // the bitmap is empty
inline constexpr int FileError = -3;      // the file could not be written
}  // namespace JpegStatus

// Writes the bitmap as a baseline JPEG file at quality 0..100 (clamped). An existing file at
// the path is replaced, keeping its times and permissions. Returns true; failures are raised
// as VorlenError 26001 with source JpegErrorSource() and the description
// "Failed to initialise the IJL library: " + status or "Failed to save to JPG " + status,
// for the caller to catch and report in its own words.
bool SaveDibAsJpeg(const cDIBSection& bitmap, const QString& path, int quality);

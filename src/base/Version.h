#pragma once

#include <QString>

// The program's identity: name, version and build.
inline constexpr const char* kAppName = "Vorlen";
inline constexpr int kVersionMajor = VORLEN_VERSION_MAJOR;
inline constexpr int kVersionMinor = VORLEN_VERSION_MINOR;
inline constexpr int kBuild = VORLEN_VERSION_REVISION;  // 732

// The program's descriptive texts (the about box shows them; UTF-8).
inline constexpr const char* kAppComments
    = "A player for Flash movies, Flash Video and projectors, with playlists, a media browser and skins.";
inline constexpr const char* kAppCopyright = "Copyright \u00a9 the Vorlen developers.";
inline constexpr const char* kAppTrademarks
    = "Flash and Shockwave are trademarks of their owners. Movies are rendered by the Ruffle engine.";

// Application name + " " + major.minor.revision, e.g. "Vorlen 1.4.732".
QString VersionText();

// The prefix of every main-window caption; the single-instance hand-over relies on it.
QString CaptionPrefix();

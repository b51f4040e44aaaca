#pragma once

#include <QString>

// The program's identity: name, version and build.
inline constexpr const char* kAppName = "Vorlen";
inline constexpr int kVersionMajor = VORLEN_VERSION_MAJOR;
inline constexpr int kVersionMinor = VORLEN_VERSION_MINOR;
inline constexpr int kBuild = VORLEN_VERSION_REVISION;  // 732

// Application name + " " + major.minor.revision, e.g. "Vorlen 1.4.732".
QString VersionText();

// The prefix of every main-window caption; the single-instance hand-over relies on it.
QString CaptionPrefix();

#pragma once

#include <QString>
#include <QStringList>

// The playlist file format (".vorlen"): an XML document with the root PLAYLIST and one FILE
// element per entry.

inline constexpr const char* kPlaylistExtension = ".vorlen";
// The build every playlist is written with, and the highest build a readable one may carry.
inline constexpr int kPlaylistWriteBuild = 680;

// The exact text of a playlist file: the declaration and the root start tag on one line, then
// CR LF, TAB and one FILE element per entry, then CR LF, TAB and the closing root tag.
QString PlaylistFileText(const QStringList& entries, int current);

// The path a playlist is saved under: ".vorlen" appended when the name has no extension.
QString PlaylistSavePath(const QString& path);

enum class PlaylistReadStatus {
    Ok,
    Unloadable,    // missing, unreadable or malformed file
    Incompatible,  // written by a newer build, or without a build
};

struct PlaylistReadResult {
    PlaylistReadStatus status = PlaylistReadStatus::Unloadable;
    // The text of every child node of PLAYLIST, in document order, whatever its name.
    QStringList paths;
};

// Reads a playlist file. The play attribute is not read back.
PlaylistReadResult ReadPlaylistFile(const QString& path);

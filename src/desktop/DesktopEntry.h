#pragma once

#include <QString>

// The player's files in the user's share of the freedesktop data folders (XDG_DATA_HOME): the
// desktop entry that makes it an application of the desktop, its icons, and the definition of
// the playlist MIME type. The SWF and FLV types are the shared MIME database's own.

inline constexpr const char* kDesktopId = "vorlen.desktop";
inline constexpr const char* kPlaylistMimeType = "application/x-vorlen-playlist";
// The icon names of the theme the icons go into ("hicolor", the fallback of every theme).
inline constexpr const char* kAppIconName = "vorlen";
inline constexpr const char* kPlaylistIconName = "application-x-vorlen-playlist";

// Where the files go, below one data folder ("/"-terminated).
struct DesktopFilePaths {
    QString entry;         // applications/vorlen.desktop
    QString mimeFolder;    // mime/ (the user's MIME database)
    QString mimePackage;   // mime/packages/vorlen-playlist.xml
    QString appIcon;       // icons/hicolor/scalable/apps/vorlen.svg
    QString playlistIcon;  // icons/hicolor/scalable/mimetypes/application-x-vorlen-playlist.svg
};
DesktopFilePaths DesktopFilePathsIn(const QString& dataFolder);
// The user's data folder (XDG_DATA_HOME, else ~/.local/share).
DesktopFilePaths UserDesktopFilePaths();

// One argument of a desktop entry's Exec line, as the entry's value holds it: quoted when it
// has a reserved character, "%" doubled, backslashes escaped for the value.
QString DesktopExecArgument(const QString& argument);

// The desktop entry of the program file: files open with "%F", so a second start hands them
// to the running player.
QString DesktopEntryText(const QString& programFile);

// The MIME package defining the playlist type ("*.vorlen") with comment as its name.
QString PlaylistMimePackageText(const QString& comment);

// What the player installs: the program file, the folder holding its icons ("vorlen.svg",
// "vorlen-playlist.svg"), and the name of its playlists in the current language.
struct DesktopInstall {
    QString programFile;
    QString imagesFolder;
    QString playlistComment;
};

// Writes every file that is missing or differs from what it should be, and rebuilds the
// user's MIME database when the playlist type changed. True when all files are in place.
bool InstallDesktopFiles(const DesktopInstall& install, const DesktopFilePaths& paths = UserDesktopFilePaths());

// Removes the files InstallDesktopFiles writes and rebuilds the MIME database without the
// playlist type. Missing files are no failure.
void RemoveDesktopFiles(const DesktopFilePaths& paths = UserDesktopFilePaths());

// Lets the desktop know that the applications folder changed (its cache of which application
// opens which type), when the desktop has the tool for it.
void RefreshApplicationsCache(const DesktopFilePaths& paths = UserDesktopFilePaths());

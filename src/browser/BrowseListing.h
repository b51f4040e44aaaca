#pragma once

#include <QList>
#include <QString>

#include <functional>

// One cell of the media browser's grid.
struct BrowseEntry {
    enum Type { Movie = 1, Projector = 2, Folder = 3 };

    QString title;      // the file or folder name (a volume's display name in the computer listing)
    QString target;     // the full path to open or browse; folders end with "/"
    int type = Movie;   // Movie (".swf", ".flv"), Projector (".exe") or Folder
    QString thumbnail;  // the thumbnail's name relative to the listing's thumbnail folder; "" for folders

    bool operator==(const BrowseEntry&) const = default;
};

// What a folder holds for the media browser: its sub-folders, then its movies, videos and
// projectors, each group in the order of the folder's listing (by name).
struct BrowseListing {
    QString folder;  // the folder listed, "/"-terminated; kComputerFolder for the computer
    QList<BrowseEntry> entries;

    // The entries that are not folders (the browse document's FOUND count).
    int FoundCount() const;
};

// The name of the listing of the computer's volumes (the parent of the root).
inline constexpr const char* kComputerFolder = ":\\";

// How a folder is listed.
struct BrowseRules {
    bool satellite = false;         // "Satellite": thumbnails beside the movies
    bool genericProjectors = true;  // "GenericProjectors": executables that are not projectors are left out
    // Whether an executable is a Flash projector; by default its version resource decides.
    std::function<bool(const QString& path)> isProjector;
    // The computer listing's entries; by default the mounted volumes.
    std::function<QList<BrowseEntry>()> computerEntries;
};

// The folder a browse of path shows: "\" and "/" are both separators and a "/" is appended; a
// path ending in "/../" means its parent folder; "" means currentFolder; ":\", a drive root's
// parent (":\..\") and the parent of "/" mean the computer (kComputerFolder).
QString ResolveBrowsePath(const QString& path, const QString& currentFolder);

// Lists the folder that path resolves to. A folder that cannot be read gives no entries.
BrowseListing ListBrowseFolder(const QString& path, const QString& currentFolder, const BrowseRules& rules);

// The mounted volumes of the computer as folder entries (the root first).
QList<BrowseEntry> ComputerVolumes();

#pragma once

#include <QString>

// The desktop's list of recently used documents: the freedesktop "recently-used.xbel" in the
// user's data folder ($XDG_DATA_HOME, by default ~/.local/share), shared with every other
// program of the desktop.

// Where the list lives.
QString RecentlyUsedFilePath();

// Records that this program opened path: the file's bookmark is added, or its visit time and
// this program's count updated. The list is read, changed and written back whole through a
// temporary file; when it cannot be read as such a list, or cannot be written, it is left as
// it is and false comes back.
bool AddToRecentlyUsed(const QString& path);

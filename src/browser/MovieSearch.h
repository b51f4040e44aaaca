#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The files of a folder tree whose names match a pattern ("*.swf", letter case ignored), and
// how many folders were looked at.
struct FileSearchResult {
    QStringList files;
    int folders = 0;
    bool stopped = false;  // keepGoing said no before the walk ended
};

// Walks folder (and with recursive all folders below it, hidden ones left out): the matching
// files of a folder by name, then its sub-folders by name, depth first. A folder reached a
// second time through a link is not walked again. keepGoing (may be empty) is asked before each
// folder; the walk stops when it says no.
FileSearchResult FindFiles(
    const QString& folder, const QString& pattern, bool recursive, const std::function<bool()>& keepGoing = {});

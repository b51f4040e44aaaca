#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The folders of src/ and which of them each may include, and the check of the quoted
// includes of a source tree against them.

// One row of the table: a folder and the folders it may include besides itself.
struct FolderRule {
    const char* folder;
    std::vector<const char*> mayInclude;
};

// One quoted include of a source file. Folders are the top folders under src/ (image/ui
// counts as image); an include without a folder is of the file's own folder.
struct IncludeEdge {
    QString file;  // relative to the source root, "/" separated
    int line = 0;
    QString include;
    QString from;
    QString to;
};

// The program's table, and the headers that only their own folder and app may include.
const std::vector<FolderRule>& FolderRules();
const QStringList& PrivateHeaders();

// Every `#include "..."` of the files under root (a src/ folder), in file and line order.
std::vector<IncludeEdge> ReadIncludes(const QString& root);

// "file:line: include - why" for every edge the rules do not allow; an edge from or to a
// folder without a row is bad.
QStringList BadEdges(
    const std::vector<IncludeEdge>& edges, const std::vector<FolderRule>& rules, const QStringList& privateHeaders);

// The folder cycles of the edges, each as "a -> b (file: include) -> ... -> a (...)" from the
// first folder by name that is not on a cycle named before; empty when there is none.
QStringList FolderCycles(const std::vector<IncludeEdge>& edges);

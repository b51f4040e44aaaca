#pragma once

#include <QString>

// File-name operations. Paths read from files or the command line may use "\" or "/";
// both count as separators. Paths the program produces use "/".

// Turns every "\" into "/".
QString NormalizePath(const QString& path);

// The part after the last separator (the whole path when there is none); with
// withoutExtension, further cut before the last "." of that part, if it has one.
QString FileNameOf(const QString& path, bool withoutExtension = false);

// From the last "." to the end, dot included, when that dot lies after the last separator;
// else "".
QString ExtensionOf(const QString& path);

// Up to and including the last separator; "" when there is none.
QString FolderOf(const QString& path);

// Creates one folder level; failures (an existing folder among them) are ignored.
void CreateFolder(const QString& path);

// The text up to its first NUL character, or the whole text.
QString TrimAtNull(const QString& text);

// Appends "/" unless the path already ends in a separator.
QString WithTrailingSlash(const QString& path);

// Names given on a command line are used from elsewhere (a playlist file, a running player):
// the name of an existing file or folder made absolute; any other text as given.
QString AbsoluteWhenPresent(const QString& path);

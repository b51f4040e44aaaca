#pragma once

#include <QString>

// The two strings of an executable's version resource that the player asks for.
struct FileVersionStrings {
    QString fileVersion;
    QString originalFileName;
};

// Reads the version resource (VS_VERSIONINFO in the ".rsrc" section of a PE file): takes the
// first "\VarFileInfo\Translation" entry as language and code page, then walks the strings
// CompanyName, FileDescription, FileVersion, InternalName, LegalCopyright, OriginalFileName,
// ProductName, ProductVersion of that string table, in this order, and stops at the first one
// that is missing. Names are matched without regard to letter case; values are cut at their
// first NUL. Both results are empty for a file without a version resource or one that cannot
// be read.
FileVersionStrings ReadFileVersion(const QString& path);

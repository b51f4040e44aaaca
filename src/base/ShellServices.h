#pragma once

#include <QString>

#include <cstdint>
#include <functional>

// Small file and shell services shared by many subsystems.

// A short size with its unit in the user's locale: "532 bytes", "1.45 KB", "14.5 MB"
// (three significant digits, cut rather than rounded).
QString FormatByteSize(int64_t bytes);

// Well-known folders by their classic numeric ids (0 desktop, 5 documents, 13 music,
// 14 videos, 26 application data, 28 local application data, 39 pictures, 40 home).
// "" for an id without a counterpart. No trailing separator.
QString SpecialFolderPath(int folderId);

// Moves a file or folder to the desktop's trash. With confirm, the confirmation handler
// is asked first. True when the item went to the trash.
bool RecycleFile(const QString& path, bool confirm);

// Moves a file or folder to a new path, or into "to" when that is an existing folder.
// silent: an existing target is replaced without asking; otherwise the confirmation
// handler decides. True on success.
bool MoveFiles(const QString& from, const QString& to, bool silent);

// The question asked before a confirmed shell operation; the window layer installs one
// with a message box. Without one, operations go ahead.
using ShellConfirmation = std::function<bool(const QString& question)>;
void SetShellConfirmation(ShellConfirmation handler);

#pragma once

#include <QString>

// The "Ve Zedaz" folder (option "Recent"/"MyFlash") and the paths derived from it.

// The default: the user's documents folder + "/Ve Zedaz".
QString DefaultMyFlashText();

// The stored text turned into the folder: separators made "/", one "/" appended, every run of
// separators collapsed, so it always ends in exactly one "/".
QString NormalizeMyFlashFolder(const QString& text);

// Folder + "Last Played Temp.vorlen": the playlist kept between runs.
QString PlaylistFileFor(const QString& folder);

// Folder + "ScreenShots/".
QString ScreenShotsFolderFor(const QString& folder);

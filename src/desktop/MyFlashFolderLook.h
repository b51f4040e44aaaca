#pragma once

#include <QString>

// The look of the "Ve Zedaz" folder: the classic "Desktop.ini" (icon and tip, as other
// programs expect it) and the freedesktop ".directory" file that gives the folder its icon in
// the file manager.

struct MyFlashFolderLook {
    QString programFile;  // IconFile of Desktop.ini
    QString folderIcon;   // the icon file the file manager shows
    QString infoTip;      // the folder's tip
};

// The tip in the current language: the options dialog's "Ve Zedaz Folder:" label and the tip
// of its folder field, joined by a blank.
QString MyFlashInfoTip();

// The four lines of Desktop.ini, CR LF ended.
QString DesktopIniText(const MyFlashFolderLook& look);

// ".directory" text with the folder's icon set and the rest of an existing file kept (file
// managers store their view settings there too).
QString DirectoryFileText(const QString& existing, const QString& icon);

// PrepareMyFlashFolder: replaces Desktop.ini (read-only once written, also when the old one
// was) and sets the icon in .directory. folder ends with "/". Failures leave the folder as far
// as it got.
void PrepareMyFlashFolder(const QString& folder, const MyFlashFolderLook& look);

// The options dialog's move of the "Ve Zedaz" folder: the screen-shot folder and the folder's
// dress go from oldFolder into newFolder (created one level when missing), and oldFolder is
// removed when nothing else is left in it. Both end with "/".
void MoveMyFlashFolder(const QString& oldFolder, const QString& newFolder);

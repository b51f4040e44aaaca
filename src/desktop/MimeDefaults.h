#pragma once

#include <QString>

// The desktop's default application of a MIME type, asked and set with xdg-mime, which knows
// each desktop's own way; the user's choices end up in mimeapps.list of XDG_CONFIG_HOME.

// The desktop entry id that opens mimeType ("vorlen.desktop"); "" when there is none or the
// desktop cannot say.
QString QueryDefaultApplication(const QString& mimeType);

// Makes desktopId the default of mimeType; false when the desktop refused or has no xdg-mime.
bool SetDefaultApplication(const QString& mimeType, const QString& desktopId);

// Takes desktopId off the user's choices for mimeType, so the type has no default of the
// user's again (xdg-mime has no command for it). False when mimeapps.list cannot be written.
bool RemoveDefaultApplication(const QString& mimeType, const QString& desktopId);

// mimeapps.list text without desktopId among the default and added applications of mimeType;
// a line left with no application goes, everything else stays as it was.
QString MimeAppsWithout(const QString& text, const QString& mimeType, const QString& desktopId);

// The application the user's mimeapps.list names first as the default of mimeType ("" when it
// names none): the user's own choice, which the desktop's answer may lack (it also names an
// application that merely can open the type).
QString UserDefaultApplication(const QString& mimeType);

// The user's mimeapps.list (XDG_CONFIG_HOME, else ~/.config).
QString UserMimeAppsList();

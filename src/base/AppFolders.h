#pragma once

#include <QString>

// The program's fixed places on disk, computed once at start. Every folder ends in "/".
struct AppFolders {
    QString app;        // the program's folder
    QString data;       // app + "Data/": the log and the folders below
    QString binary;     // data + "Binary/": the projector template
    QString flash;      // data + "Flash/": interface movies, their XML, the engine
    QString skins;      // app + "Skins/"
    QString images;     // data + "Images/"
    QString menus;      // data + "Menus/"
    QString gadgets;    // data + "Gadgets/"
    QString help;       // data + "Help/": help topics as HTML pages
    QString languages;  // app + "Languages/"
    QString helpFile;   // app + "Vorlen.chm" (kept for the help command's name)
    QString cache;      // temp folder + "Vorlen Cache/": expanded movies, extracts, thumbnails
    QString logFile;    // data + log name + ".Log.html"
};

// The folders computed by the last InitApplicationFolders or ComputeApplicationFolders call.
const AppFolders& Folders();

// Computes the folders for the application folder appFolder ("\" or "/", doubled separators
// collapsed), creates the cache folder (one level), deletes an existing log file of that
// name and writes the log header.
void InitApplicationFolders(const QString& appFolder, const QString& logName);

// Computes the folders only: no cache folder, no log (logFile stays empty, so log lines are
// dropped). For programs that share the folders but keep their own diary.
void ComputeApplicationFolders(const QString& appFolder, const QString& logName = QString());

// The user's temporary folder, "/"-terminated: the cache location, so that the cache
// survives restarts.
QString GetTempFolder();

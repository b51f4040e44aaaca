#pragma once

#include <QByteArray>
#include <QString>

struct MediaFileInfo;

// Flash projectors: a stand-alone player executable with a movie appended, followed by the
// trailer magic 56 34 12 FA and the movie's length as unsigned 32-bit.

inline const QByteArray kProjectorMagic = QByteArray::fromHex("563412FA");

// The reason given for an executable that is not a Flash projector without doubt.
inline constexpr const char* kNotGenericProjector
    = "Not a Generic Projector. Uncheck \"Tools &#62; Options &#62; Advanced &#62; Skip Doubtful Projectors\" to try to "
      "open it anyways";
inline constexpr const char* kInvalidProjector = "Invalid Generic Projector";

struct ExtractResult {
    QString moviePath;  // the movie in the cache; empty on failure
    QString reason;     // why it failed; empty on success
};

// Takes the movie out of a projector into the cache (".swf" after the flattened path). A movie
// taken out earlier is reused. With the option "GenericProjectors" on, only executables whose
// version resource names a Flash player are opened.
ExtractResult ExtractEXE(const QString& path);

// Writes a projector at targetPath: the player part of the template (ProjectorTemplatePath(),
// without any movie it carries itself), info.WorkingPath, and the trailer. Returns "" on
// success, else the reason (a missing template is named).
QString CreateProjector(const QString& targetPath, const MediaFileInfo& info);

// True when the version resource's OriginalFileName is "SAFlashPlayer.exe" or, unless strict,
// "SwFlsh32.exe" (letter case ignored).
bool IsGenericProjector(const QString& path, bool strict);

// The file work of the movie <-> projector conversion, for a target the user chose: a
// projector's movie (info.WorkingPath) is copied out as ".swf", a movie becomes a projector
// ".exe"; the extension is added when the name has none. Returns "" on success, else the
// reason; writtenPath receives the file written.
QString ConvertMovie(const MediaFileInfo& info, const QString& targetPath, QString* writtenPath = nullptr);

// What the save dialog of the conversion shows: the proposed name (the source path without its
// extension), the file type filter, and the language key and default of its title.
struct ConvertDialogSpec {
    QString proposedName;
    QString filter;
    QString titleKey;
    QString titleDefault;
};
ConvertDialogSpec ConvertDialogFor(const MediaFileInfo& info);

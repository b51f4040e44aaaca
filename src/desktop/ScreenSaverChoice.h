#pragma once

#include <QString>

// The movie of the screen saver. The saver is the player itself started with --saver: full
// screen, no menus or skin, playing "ScreenSaver"/"FileName" until the first key or mouse
// movement.

inline constexpr const char* kSaverArgument = "--saver";

// SetAsSS's values: "FileName" moves to "FileOld", path becomes "FileName", and the saver
// module's path (the program file, "" when no saver is installed) is what "Control Panel/
// Desktop"/"SCRNSAVE.EXE" names.
void RecordScreenSaverMovie(const QString& path, const QString& saverModule);

// The movie the saver plays ("" when none was chosen).
QString ScreenSaverMovie();

#pragma once

#include <QStringList>

// "vorlen --saver": the player as the desktop's screen saver. It plays the movie chosen with
// "Flash Screen Saver..." ("ScreenSaver"/"FileName") full screen and ends on the first key or
// mouse movement, without touching the running player, its log or its options.
bool IsScreenSaverMode(const QStringList& arguments);
int RunScreenSaver();

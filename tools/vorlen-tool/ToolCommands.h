#pragma once

#include <QStringList>

// The commands of the subsystems, each defined in its own file of this folder and listed in
// the command table of main.cpp.

int RunShot(const QStringList& arguments);  // ShotCommand.cpp

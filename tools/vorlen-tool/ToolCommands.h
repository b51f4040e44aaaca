#pragma once

#include <QStringList>

// The commands of the subsystems, each defined in its own file of this folder and listed in
// the command table of main.cpp.

// script [--steps N] FILE.vbs (ScriptCommand.cpp)
int RunScriptCommand(const QStringList& arguments);

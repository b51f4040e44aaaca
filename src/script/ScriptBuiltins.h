#pragma once

#include "script/ScriptObject.h"

#include <QString>

class ScriptInterpreter;

using ScriptBuiltinFunction = ScriptValue (*)(ScriptInterpreter& interpreter, ScriptArgs& args);

// A built-in function or constant (constants take no arguments).
struct ScriptBuiltin {
    const char* name;
    int minArgs;
    int maxArgs;
    ScriptBuiltinFunction function;
};

// The index of the built-in of that lower-case name, or -1.
int FindScriptBuiltin(const QString& key);
const ScriptBuiltin& ScriptBuiltinAt(int index);
// Calls the built-in after checking the number of arguments.
ScriptValue CallScriptBuiltin(int index, ScriptInterpreter& interpreter, ScriptArgs& args);

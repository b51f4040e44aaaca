#pragma once

#include "script/ScriptBuiltins.h"

#include <span>

// The text built-ins (Len, Left, Mid, InStr, Replace, Split...), in ScriptBuiltinsText.cpp.
std::span<const ScriptBuiltin> TextBuiltins();

// Shared argument helpers of the built-in files.
namespace ScriptBuiltinArgs {
// The argument as a whole number for a count or position; Invalid procedure call below min.
qint32 Count(const ScriptArgs& args, int index, qint32 min);
// A compare argument: true for vbTextCompare.
bool TextCompare(const ScriptArgs& args, int index);
}  // namespace ScriptBuiltinArgs

#pragma once

#include <QString>

#include <exception>

// A failure inside the script engine: a compilation error while parsing, or a run-time error
// while executing. line is the line of the script text where it happened (1-based, 0 when
// unknown). Caught by the engine's host operations; never leaves the engine.
struct ScriptError {
    int number = 0;
    QString description;
    int line = 0;
    bool compilation = false;
    QString source;  // set by Err.Raise; empty for the engine's own errors
};

// Raises a run-time error; an empty description takes the run-time error table's text.
[[noreturn]] void ThrowScriptError(int number, const QString& description = QString());

// Raises a run-time error whose text names the item involved: "Type mismatch: 'Foo'".
[[noreturn]] void ThrowScriptErrorFor(int number, const QString& item);

// The script ran out of its step budget. Not trappable by On Error Resume Next, so that a
// runaway loop always ends.
struct ScriptBudgetExhausted {
    qint64 steps = 0;
};

// Numbers of the script errors that the classic run-time table does not hold.
namespace ScriptErrorNumber {
inline constexpr int SyntaxError = 1002;
inline constexpr int ExpectedCloseParen = 1006;
inline constexpr int ExpectedIdentifier = 1010;
inline constexpr int ExpectedEquals = 1011;
inline constexpr int ExpectedIf = 1012;
inline constexpr int ExpectedTo = 1013;
inline constexpr int ExpectedEnd = 1014;
inline constexpr int ExpectedFunction = 1015;
inline constexpr int ExpectedSub = 1016;
inline constexpr int ExpectedThen = 1017;
inline constexpr int ExpectedWend = 1018;
inline constexpr int ExpectedLoop = 1019;
inline constexpr int ExpectedNext = 1020;
inline constexpr int ExpectedCase = 1021;
inline constexpr int ExpectedSelect = 1022;
inline constexpr int ExpectedExpression = 1023;
inline constexpr int ExpectedStatement = 1024;
inline constexpr int ExpectedEndOfStatement = 1025;
inline constexpr int InvalidNumber = 1031;
inline constexpr int InvalidCharacter = 1032;
inline constexpr int UnterminatedString = 1033;
inline constexpr int InvalidExit = 1039;
inline constexpr int NameRedefined = 1041;
inline constexpr int ExpectedIn = 1046;
inline constexpr int StepBudget = 1100;
inline constexpr int VariableUndefined = 500;
inline constexpr int IllegalAssignment = 501;
inline constexpr int ObjectRequired = 424;
inline constexpr int WrongArguments = 450;
inline constexpr int NotACollection = 451;
}  // namespace ScriptErrorNumber

// The description of a script error number (compilation errors, the script-only run-time
// errors, then the classic run-time table).
QString ScriptErrorText(int number);

// The engine was reset while the script ran (by a host call it made): the rest of the
// script's run is dropped without an error.
struct ScriptAbandoned { };

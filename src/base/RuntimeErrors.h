#pragma once

#include <QString>

// The classic run-time error numbers with their descriptions. Operations raise errors by
// number; the description comes from here unless the operation gives its own.
namespace RuntimeError {
inline constexpr int InvalidProcedureCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int OutOfStringSpace = 14;
inline constexpr int BadFileName = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int BadFileMode = 54;
inline constexpr int FileAlreadyOpen = 55;
inline constexpr int DeviceIoError = 57;
inline constexpr int FileAlreadyExists = 58;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEndOfFile = 62;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int ObjectNotSet = 91;
inline constexpr int InvalidUseOfNull = 94;
inline constexpr int ComponentNotRegistered = 339;
inline constexpr int CannotCreateObject = 429;
inline constexpr int MethodNotSupported = 438;
inline constexpr int AutomationError = 440;
}  // namespace RuntimeError

// The description of a run-time error number; "Application-defined or object-defined error"
// for numbers the table does not know.
QString RuntimeErrorText(int number);

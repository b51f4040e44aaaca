#pragma once

#include <QString>

// The execution log: an HTML diary in the data folder. Every write opens the file, appends
// one line ending in CR LF and closes it; a failed write is lost without notice.

// Appends text, followed by "<br>" when lineBreak is true, as one line.
void LogLine(const QString& text, bool lineBreak = true);

// The empty line that precedes an operation's header line.
void LogEmptyLine();

// Timing lines. The first call with sinceStart and an empty text sets both marks; a
// non-empty text logs text + " in " + milliseconds + " ms" measured from the start mark
// (sinceStart) or the lap mark; every call but the first restarts the lap.
void LogTiming(const QString& text, bool sinceStart);

// Writes the error report of the current error for procedure (and detail, when not empty),
// then clears the current error.
void LogErrorReport(const QString& procedure, const QString& detail = QString());

// Writes header lines 1 to 11 to the log file. Called by InitApplicationFolders.
void WriteLogHeader();

// The support address named in the log header.
inline constexpr const char* kSupportMail = "support@vorlen.org";

// Test hooks: the timer the timing lines read (seconds since midnight, single precision),
// and resetting both marks to 0.
using LogTimerFunction = float (*)();
void SetLogTimer(LogTimerFunction timer);
void ResetLogTiming();

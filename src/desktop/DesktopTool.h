#pragma once

#include <QString>
#include <QStringList>

// The desktop's own command-line tools (xdg-mime, update-mime-database...), run and awaited.
struct DesktopToolResult {
    bool ok = false;  // the tool exists, ran within the time limit and exited with status 0
    QString output;   // what it wrote to its standard output, trimmed
};

// Runs program (looked up in PATH) with arguments; a missing tool, a crash, a non-zero exit or
// a run longer than timeoutMs (the tool is then killed) is a failure, never an exception.
DesktopToolResult RunDesktopTool(const QString& program, const QStringList& arguments, int timeoutMs = 10000);

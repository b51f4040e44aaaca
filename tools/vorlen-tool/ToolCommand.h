#pragma once

#include <QStringList>

// One command of vorlen-tool. run gets the arguments after the command's name and returns
// the process exit status. Commands that need the window system set needsGui.
struct ToolCommand {
    const char* name;
    const char* usage;    // arguments, e.g. "FILE..."
    const char* summary;  // one line for --help
    int (*run)(const QStringList& arguments);
    bool needsGui = false;
};

// Writes text and a line feed to standard output / standard error.
void ToolOut(const QString& text);
void ToolErr(const QString& text);

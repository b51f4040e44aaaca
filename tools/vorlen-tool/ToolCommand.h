#pragma once

#include <QStringList>

// One command of vorlen-tool. run gets the arguments after the command's name and returns
// the process exit status. Commands that render run in the renderer program, the one that
// loads the web engine (Data/Binary/vorlen-tool-render); vorlen-tool itself stays small.
struct ToolCommand {
    const char* name;
    const char* usage;    // arguments, e.g. "FILE..."
    const char* summary;  // one line for --help
    int (*run)(const QStringList& arguments);
    bool renders = false;
};

// The command of that name in the one table, or null.
const ToolCommand* FindToolCommand(const char* name);
// The help text, derived from the table.
void PrintToolHelp();

// Writes text and a line feed to standard output / standard error.
void ToolOut(const QString& text);
void ToolErr(const QString& text);
// Writes many lines to standard output at once.
void ToolOutLines(const QStringList& lines);

#pragma once

#include <QString>

#include <span>

class Player;

// The commands movies send through the Flash control's FSCommand event, one row each. The
// player compares a command in upper case with the rows in order; the first match runs.

// What option "FSCommand" guards.
enum class FSProtection {
    None,     // always runs
    Command,  // runs only while the option is on
    Action,   // runs always; its handler does the guarded part only when told it is allowed
};

// args: the argument as the movie sent it; allowed: option "FSCommand".
using FSCommandHandler = void (*)(Player& player, const QString& args, bool allowed);

struct FSCommandRow {
    const char* command;  // upper case
    FSProtection protection;
    FSCommandHandler handler;
};

std::span<const FSCommandRow> FSCommandTable();

// The row of a command, letter case ignored; nullptr for a command the player does not know.
const FSCommandRow* FindFSCommand(const QString& command);

// A numeric argument rounded to an integer (halves to even); text that is not a number
// counts as 0.
int FSNumber(const QString& args);

// A boolean argument: "true"/"false" in any letter case, or a number where 0 is false.
bool FSBoolean(const QString& args);

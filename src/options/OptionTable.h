#pragma once

#include "options/OptionHolders.h"
#include "options/OptionValue.h"

#include <QString>

#include <span>

// Where an option's default comes from.
enum class OptionDefault {
    Fixed,           // the row's default text
    CurrentValue,    // the in-memory value as it is (menu design states, window geometry)
    MyFlashDefault,  // the user's documents folder + "/Ve Zedaz"
    VeZedazFolder,   // the normalised "Ve Zedaz" folder of the same load
    ProgramBuild,    // this program's build number
};

// Who reads and writes a value: LoadOpts, SaveOpts, or another part of the program only.
inline constexpr unsigned kOtherReaders = 0;
inline constexpr unsigned kLoaded = 1;
inline constexpr unsigned kSaved = 2;

using OptionTarget = OptionRef (*)(const OptionHolders&);

// One value of the store.
struct OptionRow {
    const char* section;
    const char* name;  // "" is the section's default value
    OptionType type;
    OptionDefault defaultKind;
    const char* defaultText;
    OptionTarget target;  // nullptr when another part of the program holds the value
    unsigned access;      // kLoaded | kSaved, or kOtherReaders
};

// Every value of the store, in the order of its sections.
std::span<const OptionRow> OptionTable();

// The row of section/name (exact letter case), or nullptr.
const OptionRow* FindOption(const QString& section, const QString& name);

// The row's default as text, for the holders as they are now.
QString OptionDefaultText(const OptionRow& row, const OptionHolders& holders);

// The in-memory home of a row.
OptionRef OptionTargetOf(const OptionRow& row, const OptionHolders& holders);

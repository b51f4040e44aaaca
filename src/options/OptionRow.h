#pragma once

#include "options/OptionValue.h"

#include <QString>

#include <functional>

class OptionsHost;
class OptionStep;
struct OptionsModule;

// Where an option's default comes from.
enum class OptionDefault {
    Fixed,           // the row's default text
    CurrentValue,    // the in-memory value as it is (menu design states, window geometry)
    MyFlashDefault,  // the user's documents folder + "/Ve Zedaz"
    VeZedazFolder,   // the normalised "Ve Zedaz" folder of the same load
    ProgramBuild,    // this program's build number
};

// Runs in place of a row's plain read or write: applies the value on the way, or acts.
using OptionApply = std::function<void(OptionStep&)>;

// A row's place in LoadOpts or in SaveOpts. Order 0 leaves the row out; the orders of all rows
// give the sequence. Without apply the value is read or written as it is.
struct OptionUse {
    OptionUse() = default;
    OptionUse(int order, OptionApply apply = {})
        : order(order)
        , apply(std::move(apply))
    {
    }
    int order = 0;
    OptionApply apply;
};

// One row of the option table: a value of the store with its holder, or (section nullptr) a
// step of LoadOpts or SaveOpts that moves no value. The folder that owns the holder makes the
// rows and registers them in an OptionSet.
struct OptionRow {
    const char* section;
    const char* name;  // "" is the section's default value
    OptionType type;
    OptionDefault defaultKind;
    const char* defaultText;
    OptionRef target;  // empty when another part of the program holds the value
    OptionUse load;
    OptionUse save;
};

// A step that only acts, at its place in LoadOpts or in SaveOpts.
OptionRow LoadAction(int order, OptionApply apply);
OptionRow SaveAction(int order, OptionApply apply);

// The row's default as text, for the holders as they are now.
QString OptionDefaultText(const OptionRow& row, const OptionsModule& options);

// What an apply step works with: its row, the main window, the shared option variables, and
// the plain moves of the row's value.
class OptionStep {
public:
    OptionStep(const OptionRow& row, OptionsHost& host, OptionsModule& options);

    const OptionRow& row;
    OptionsHost& host;
    OptionsModule& options;

    // The stored text, or the row's default when there is none.
    QString Read() const;
    // Read() into the holder; false (the holder unchanged) when the text does not convert.
    bool Load();
    // The holder's text into the store.
    void Save();
    // Any text into the row's value of the store.
    void Write(const QString& text);
};

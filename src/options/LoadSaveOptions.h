#pragma once

#include "options/OptionSet.h"
#include "options/OptionsHost.h"
#include "options/OptionsModule.h"

#include <QString>
#include <QStringList>

// Moves the whole option set between the store and the holders, applying part of it through
// the host on the way: every row of the set in the order of its load or save place. Both run
// row by row; a row that fails leaves its value as it was and the rest still runs. Nothing is
// shown to the user.
void LoadOpts(OptionsHost& host, const OptionSet& set = RegisteredOptions());
void SaveOpts(OptionsHost& host, const OptionSet& set = RegisteredOptions());

// One value of the table moved on its own, for the parts that read or write a single option
// outside LoadOpts and SaveOpts (start-up reads "System"/"OneInstance" and "GPF", "Window"/
// "WinSFX"). False when the table has no holder for it or the stored text does not convert.
bool LoadOption(const QString& section, const QString& name, const OptionSet& set = RegisteredOptions());
bool SaveOption(const QString& section, const QString& name, const OptionSet& set = RegisteredOptions());

// The stored text of a value of the table, or the row's default when there is none ("" for a
// value the table does not have).
QString StoredOptionText(const QString& section, const QString& name, const OptionSet& set = RegisteredOptions());

// The values LoadOpts reads and SaveOpts writes, as "Section/Name", in their order (the steps
// that only act are left out).
QStringList LoadOptsOrder(const OptionSet& set = RegisteredOptions());
QStringList SaveOptsOrder(const OptionSet& set = RegisteredOptions());

// One status-timer tick; SaveOpts turns the ticks since the last save into "Usage".
void CountUsageTick(OptionsModule& options = Options());

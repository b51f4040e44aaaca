#pragma once

#include "options/OptionHolders.h"
#include "options/OptionsHost.h"

#include <QDate>
#include <QString>
#include <QStringList>

// Moves the whole option set between the store and the holders, applying part of it through
// the host on the way. Both run step by step; a step that fails leaves its values as they were
// and the rest still runs. Nothing is shown to the user.
void LoadOpts(OptionsHost& host, const OptionHolders& holders = GlobalOptionHolders());
void SaveOpts(OptionsHost& host, const OptionHolders& holders = GlobalOptionHolders());

// One value of the table moved on its own, for the parts that read or write a single option
// outside LoadOpts and SaveOpts (start-up reads "System"/"OneInstance" and "GPF", "Window"/
// "WinSFX"). False when the table has no holder for it or the stored text does not convert.
bool LoadOption(const QString& section, const QString& name, const OptionHolders& holders = GlobalOptionHolders());
bool SaveOption(const QString& section, const QString& name, const OptionHolders& holders = GlobalOptionHolders());

// The text form of "Update"/"Date": month-day-year, "-" separated ("12-05-2026"). The update
// check reads back what LoadOpts writes.
inline constexpr const char* kUpdateDateFormat = "MM-dd-yyyy";
QString UpdateDateText(const QDate& date);

// The values LoadOpts reads and SaveOpts writes, as "Section/Name", in their order (the steps
// that only act are left out).
QStringList LoadOptsOrder();
QStringList SaveOptsOrder();

// One status-timer tick; SaveOpts turns the ticks since the last save into "Usage".
void CountUsageTick(OptionsModule& options = Options());

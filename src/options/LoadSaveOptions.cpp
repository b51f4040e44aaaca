#include "options/LoadSaveOptions.h"

#include "options/RegistryStore.h"

#include "base/ExecutionLog.h"

#include <exception>

namespace {

void RunSequence(OptionsHost& host, const OptionSet& set, const std::vector<const OptionRow*>& sequence,
    OptionUse OptionRow::*use, void (*plain)(OptionStep&))
{
    for (const OptionRow* row : sequence) {
        OptionStep step(*row, host, set.Module());
        try {
            if ((row->*use).apply)
                (row->*use).apply(step);
            else if (row->section)
                plain(step);
        } catch (const std::exception&) {
            // Errors are ignored row by row: the value keeps what it had.
        }
    }
}

}  // namespace

void LoadOpts(OptionsHost& host, const OptionSet& set)
{
    RegistryWriteBatch batch;
    LogEmptyLine();
    LogLine(QStringLiteral(" :: Load Options"));
    RunSequence(host, set, set.LoadSequence(), &OptionRow::load, [](OptionStep& step) { step.Load(); });
}

void SaveOpts(OptionsHost& host, const OptionSet& set)
{
    RegistryWriteBatch batch;
    LogEmptyLine();
    LogLine(QStringLiteral(" :: Save Options"));
    RunSequence(host, set, set.SaveSequence(), &OptionRow::save, [](OptionStep& step) { step.Save(); });
}

bool LoadOption(const QString& section, const QString& name, const OptionSet& set)
{
    const OptionRow* row = set.Find(section, name);
    if (!row || !IsHeld(row->target))
        return false;
    return AssignOptionText(row->target, StoredOptionText(section, name, set));
}

bool SaveOption(const QString& section, const QString& name, const OptionSet& set)
{
    const OptionRow* row = set.Find(section, name);
    if (!row || !IsHeld(row->target))
        return false;
    WriteRegistryString(section, name, OptionText(row->target));
    return true;
}

QString StoredOptionText(const QString& section, const QString& name, const OptionSet& set)
{
    const OptionRow* row = set.Find(section, name);
    return ReadRegistryString(section, name, row ? OptionDefaultText(*row, set.Module()) : QString());
}

QStringList LoadOptsOrder(const OptionSet& set)
{
    return OptionNames(set.LoadSequence());
}

QStringList SaveOptsOrder(const OptionSet& set)
{
    return OptionNames(set.SaveSequence());
}

void CountUsageTick(OptionsModule& options)
{
    ++options.usageTicks;
}

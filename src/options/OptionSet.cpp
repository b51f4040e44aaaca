#include "options/OptionSet.h"

#include "options/OptionsModule.h"

#include <algorithm>

namespace {

std::vector<const OptionRow*> Sequence(const std::vector<OptionRow>& rows, OptionUse OptionRow::*use)
{
    std::vector<const OptionRow*> sequence;
    for (const OptionRow& row : rows) {
        if ((row.*use).order > 0)
            sequence.push_back(&row);
    }
    std::stable_sort(sequence.begin(), sequence.end(),
        [use](const OptionRow* a, const OptionRow* b) { return (a->*use).order < (b->*use).order; });
    return sequence;
}

}  // namespace

OptionSet::OptionSet(OptionsModule& options)
    : m_options(options)
    , m_rows(OptionsModuleRows(options))
{
}

void OptionSet::Add(std::vector<OptionRow> rows)
{
    m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
}

const OptionRow* OptionSet::Find(const QString& section, const QString& name) const
{
    for (const OptionRow& row : m_rows) {
        if (row.section && section == QLatin1String(row.section) && name == QLatin1String(row.name))
            return &row;
    }
    return nullptr;
}

std::vector<const OptionRow*> OptionSet::LoadSequence() const
{
    return Sequence(m_rows, &OptionRow::load);
}

std::vector<const OptionRow*> OptionSet::SaveSequence() const
{
    return Sequence(m_rows, &OptionRow::save);
}

OptionSet& RegisteredOptions()
{
    static OptionSet set(Options());
    return set;
}

QStringList OptionNames(const std::vector<const OptionRow*>& sequence)
{
    QStringList names;
    for (const OptionRow* row : sequence) {
        if (row->section)
            names << QLatin1String(row->section) + QLatin1Char('/') + QLatin1String(row->name);
    }
    return names;
}

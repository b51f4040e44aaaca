#pragma once

#include "options/OptionRow.h"

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

struct OptionsModule;

// The option table of a program: the rows of the shared option variables, and the rows each
// folder registers for the values it holds. LoadOpts and SaveOpts run the rows by their load
// and save orders.
class OptionSet {
public:
    // Starts with the rows of options (OptionsModuleRows), which the set's defaults refer to.
    explicit OptionSet(OptionsModule& options);

    // Appends rows; their orders place them among the others.
    void Add(std::vector<OptionRow> rows);

    OptionsModule& Module() const { return m_options; }
    std::span<const OptionRow> Rows() const { return m_rows; }

    // The value row of section/name (exact letter case), or nullptr.
    const OptionRow* Find(const QString& section, const QString& name) const;

    // The rows of LoadOpts and of SaveOpts in their order (rows of the same order keep the
    // order they were added in).
    std::vector<const OptionRow*> LoadSequence() const;
    std::vector<const OptionRow*> SaveSequence() const;

private:
    OptionsModule& m_options;
    std::vector<OptionRow> m_rows;
};

// The program's option table over its single instances; every folder that holds options adds
// its rows at start-up, before LoadOpts.
OptionSet& RegisteredOptions();

// "Section/Name" of the value rows of a sequence (the steps that only act are left out).
QStringList OptionNames(const std::vector<const OptionRow*>& sequence);

#pragma once

#include "options/OptionRow.h"

#include <QString>

#include <cstdint>
#include <vector>

// The thumbnail generator dialog's fields, section "Generator" of the options.
struct GeneratorSettings {
    int16_t width = 0;
    int16_t height = 0;
    QString backColor;
    uint8_t quality = 0;
    bool show = false;
    QString source;
    bool recursive = false;
    bool overwrite = false;
    bool execute = false;
    QString app;
};

// The program's single instance.
GeneratorSettings& GeneratorOptions();

// The rows of section "Generator", loaded and saved after the main window's values.
std::vector<OptionRow> GeneratorOptionRows(GeneratorSettings& generator);

#include "browser/GeneratorSettings.h"

GeneratorSettings& GeneratorOptions()
{
    static GeneratorSettings settings;
    return settings;
}

std::vector<OptionRow> GeneratorOptionRows(GeneratorSettings& g)
{
    using enum OptionType;
    using enum OptionDefault;
    return {
        {"Generator", "Width", Integer, Fixed, "120", &g.width, {1201}, {1201}},
        {"Generator", "Height", Integer, Fixed, "90", &g.height, {1202}, {1202}},
        {"Generator", "BackColor", Text, Fixed, "FFFFFF", &g.backColor, {1203}, {1203}},
        {"Generator", "Quality", Byte, Fixed, "90", &g.quality, {1204}, {1204}},
        {"Generator", "Show", Boolean, Fixed, "True", &g.show, {1205}, {1205}},
        {"Generator", "Source", Text, VeZedazFolder, "", &g.source, {1206}, {1206}},
        {"Generator", "Recursive", Boolean, Fixed, "True", &g.recursive, {1207}, {1207}},
        {"Generator", "Overwrite", Boolean, Fixed, "True", &g.overwrite, {1208}, {1208}},
        {"Generator", "Execute", Boolean, Fixed, "False", &g.execute, {1209}, {1209}},
        {"Generator", "App", Text, Fixed, "", &g.app, {1210}, {1210}},
    };
}

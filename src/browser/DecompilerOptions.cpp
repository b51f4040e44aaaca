#include "browser/DecompilerOptions.h"

#include "options/MyFlashFolder.h"

DecompilerOptions DefaultDecompilerOptions()
{
    // The same "Ve Zedaz" folder the option store starts from.
    DecompilerOptions options;
    options.destination = NormalizeMyFlashFolder(DefaultMyFlashText());
    return options;
}

DecompilerOptions& ExtractorOptions()
{
    static DecompilerOptions options;
    return options;
}

std::vector<OptionRow> DecompilerOptionRows(DecompilerOptions& d)
{
    using enum OptionType;
    using enum OptionDefault;
    return {
        {"Decompiler", "Destination", Text, VeZedazFolder, "", &d.destination, {1301}, {1211}},
        {"Decompiler", "JPEG", Boolean, Fixed, "True", &d.jpeg, {1302}, {1212}},
        {"Decompiler", "PNG", Boolean, Fixed, "False", &d.png, {1303}, {1213}},
        {"Decompiler", "Event", Boolean, Fixed, "True", &d.event, {1304}, {1214}},
        {"Decompiler", "Stream", Boolean, Fixed, "True", &d.stream, {1305}, {1215}},
        {"Decompiler", "Video", Boolean, Fixed, "False", &d.video, {1306}, {1216}},
    };
}

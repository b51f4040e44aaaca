#include "app/ProgramOptions.h"

#include "app/PlayerOptionRows.h"
#include "browser/DecompilerOptions.h"
#include "browser/GeneratorSettings.h"
#include "lang/Language.h"
#include "lang/UIFont.h"
#include "media/MediaOptions.h"
#include "options/OptionsModule.h"
#include "update/UpdateSettings.h"

namespace {

// The language is saved by name; the interface font's values are read by start-up.
std::vector<OptionRow> LanguageOptionRows(UIFontInfo& font)
{
    using enum OptionType;
    using enum OptionDefault;
    const auto saveLanguage = [](OptionStep& s) { s.Write(CurrentLanguageName()); };
    return {
        {"System", "Language", Text, Fixed, "", {}, {}, {606, saveLanguage}},
        {"Window", "FontName", Text, Fixed, "Century Gothic", &font.name, {}, {918}},
        {"Window", "FontSize", Decimal, Fixed, "8", &font.size, {}, {919}},
    };
}

}  // namespace

ProgramOptionHolders ProgramHolders()
{
    return ProgramOptionHolders{&PlayerOptions(), &GeneratorOptions(), &ExtractorOptions(), &UpdateOptions(), &UIFont()};
}

void AddProgramOptionRows(OptionSet& set, const ProgramOptionHolders& holders)
{
    set.Add(PlayerOptionRows(*holders.player));
    set.Add(UpdateOptionRows(*holders.update));
    set.Add(LanguageOptionRows(*holders.font));
    set.Add(GeneratorOptionRows(*holders.generator));
    set.Add(DecompilerOptionRows(*holders.extractor));
    // Last of LoadOpts: the media code works with what was loaded.
    set.Add({LoadAction(1400, [](OptionStep& s) { PublishMediaOptions(s.options); })});
}

void RegisterProgramOptions()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    AddProgramOptionRows(RegisteredOptions(), ProgramHolders());
}

void PublishMediaOptions(const OptionsModule& options)
{
    MediaOptions media;
    media.genericProjectors = options.genericProjectors;
    media.projectorTemplate = options.projectorPath;
    SetMediaOptions(media);
}

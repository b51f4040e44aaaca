#include "options/OptionHolders.h"

namespace {
OptionsModule g_options;
PlayerOptionState g_player;
GeneratorSettings g_generator;
ExtractorSettings g_extractor;
UpdateSettings g_update;
}  // namespace

OptionsModule& Options()
{
    return g_options;
}

PlayerOptionState& PlayerOptions()
{
    return g_player;
}

GeneratorSettings& GeneratorOptions()
{
    return g_generator;
}

ExtractorSettings& ExtractorOptions()
{
    return g_extractor;
}

UpdateSettings& UpdateOptions()
{
    return g_update;
}

OptionHolders GlobalOptionHolders()
{
    return OptionHolders{&g_options, &g_player, &g_generator, &g_extractor, &g_update, &UIFont()};
}

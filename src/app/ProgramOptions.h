#pragma once

#include "options/OptionSet.h"

struct DecompilerOptions;
struct GeneratorSettings;
struct OptionsModule;
struct PlayerOptionState;
struct UIFontInfo;
struct UpdateSettings;

// The program's option table, composed from the rows of every folder that holds options.

// The holders of the options the folders own (the shared variables belong to the set).
struct ProgramOptionHolders {
    PlayerOptionState* player = nullptr;
    GeneratorSettings* generator = nullptr;
    DecompilerOptions* extractor = nullptr;
    UpdateSettings* update = nullptr;
    UIFontInfo* font = nullptr;
};

// The single instances of the program.
ProgramOptionHolders ProgramHolders();

// Adds the rows of the main window, the update check, the generator, the extractor, the
// interface font and language, and the step that hands the media options to the media code.
void AddProgramOptionRows(OptionSet& set, const ProgramOptionHolders& holders);

// Fills RegisteredOptions() with the rows over the single instances; later calls do nothing.
void RegisterProgramOptions();

// Gives the media code the loaded "GenericProjectors" and projector template. LoadOpts does it
// after loading; a change made in the options dialog does it again.
void PublishMediaOptions(const OptionsModule& options);

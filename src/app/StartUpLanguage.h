#pragma once

#include "options/OptionSet.h"

#include <QString>

#include <functional>

// The start-up step that chooses the interface font, builds the language catalogue and loads
// the current language, in that order, with the stored options "Window"/"FontName" and
// "FontSize" and "System"/"Language" (the table's defaults when they are missing). The set holds
// the program's rows (AddProgramOptionRows); fontInstalled tells the fonts the system has.
void StartUpLanguage(const std::function<bool(const QString&)>& fontInstalled, const OptionSet& set = RegisteredOptions());

#pragma once

#include "options/OptionRow.h"
#include "player/PlayerSettings.h"

#include <vector>

// The rows of the main window's option-backed state, with the steps that apply them through
// the main window (quality, scale mode, playlist pane, sound, screen saver, window place).
std::vector<OptionRow> PlayerOptionRows(PlayerOptionState& player);

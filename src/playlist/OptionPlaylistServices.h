#pragma once

#include "options/OptionsModule.h"
#include "playlist/PlaylistServices.h"

// The playlist's services over the option store: "History", "GenericProjectors" and the
// projector test of executables. The options are read when asked, so later changes count.
PlaylistServices OptionPlaylistServices(const OptionsModule& options = Options());

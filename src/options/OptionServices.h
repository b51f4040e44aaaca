#pragma once

#include "options/OptionHolders.h"
#include "playlist/PlaylistServices.h"

// The option values that other parts of the core read through their own small interfaces.

// Gives the media code the loaded "GenericProjectors" and projector template. LoadOpts calls
// it after loading; a change made in the options dialog calls it again.
void PublishMediaOptions(const OptionsModule& options = Options());

// The playlist's services over the option store: "History", "GenericProjectors" and the
// projector test of executables. The options are read when asked, so later changes count.
PlaylistServices OptionPlaylistServices(const OptionsModule& options = Options());

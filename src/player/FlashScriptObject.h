#pragma once

#include "script/ScriptHostObject.h"

class FlashControl;

// The Flash control SWF as scripts see it: the members of the Flash control interface by their
// names ("SWF.TotalFrames", "SWF.GotoFrame 5", "SWF.Quality2 = \"Low\"").
std::shared_ptr<ScriptHostObject> MakeFlashScriptObject(FlashControl& control);

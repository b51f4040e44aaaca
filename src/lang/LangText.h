#pragma once

// The one lookup most code needs: LangText(key, fallback). Declared with the rest of the
// language services.
#include "lang/Language.h"

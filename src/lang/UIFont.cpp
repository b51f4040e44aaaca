#include "lang/UIFont.h"

namespace {
UIFontInfo g_font;
}

UIFontInfo& UIFont()
{
    return g_font;
}

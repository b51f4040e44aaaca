#pragma once

#include <QString>

#include <cstdint>

// The value syntax of "skin.xml" attributes.

// ParseSkinColor: "#" removed, the first six characters (blank-padded) read as RRGGBB into a
// colour value with red in the low byte (0x00BBGGRR); reading stops at the first character that
// is not a hexadecimal digit, so "#FF8000" gives red 255, green 128, blue 0.
uint32_t ParseSkinColor(const QString& text);

// The colour value's parts.
inline int SkinColorRed(uint32_t color)
{
    return int(color & 0xFF);
}
inline int SkinColorGreen(uint32_t color)
{
    return int((color >> 8) & 0xFF);
}
inline int SkinColorBlue(uint32_t color)
{
    return int((color >> 16) & 0xFF);
}

// A boolean attribute as the script language converts text: "True"/"False" in any letter case,
// or a number (non-zero is true). Anything else gives fallback.
bool ParseSkinBool(const QString& text, bool fallback);

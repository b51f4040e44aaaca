#pragma once

#include <cstdint>

// The per-pixel drawing of decoded images onto 24-bit (or 32-bit) surfaces. Integer
// arithmetic only: a = 255 takes the image pixel, a = 0 keeps the destination, otherwise
// each of blue, green and red becomes ((255 - a) * destination + a * image + 255) >> 8.

inline uint8_t BlendChannel(uint32_t destination, uint32_t image, uint32_t alpha)
{
    return static_cast<uint8_t>(((255 - alpha) * destination + alpha * image + 255) >> 8);
}

// Draws count pixels given as 0xAARRGGBB onto destination pixels of destPixelBytes bytes
// (3: blue, green, red; 4: the same plus a fourth byte that is left alone). Without blend
// the colours are copied; with blend each alpha is used, halved first (a >> 1) when
// halfTransparent is set.
void DrawArgbPixels(const uint32_t* argb, uint8_t* destination, int destPixelBytes, int count, bool blend, bool halfTransparent);

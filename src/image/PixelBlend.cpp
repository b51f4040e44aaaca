#include "image/PixelBlend.h"

void DrawArgbPixels(const uint32_t* argb, uint8_t* destination, int destPixelBytes, int count, bool blend, bool halfTransparent)
{
    for (int i = 0; i < count; ++i, destination += destPixelBytes) {
        const uint32_t pixel = argb[i];
        const uint32_t blue = pixel & 0xFF;
        const uint32_t green = (pixel >> 8) & 0xFF;
        const uint32_t red = (pixel >> 16) & 0xFF;
        uint32_t alpha = blend ? pixel >> 24 : 255;
        if (blend && halfTransparent)
            alpha >>= 1;
        if (alpha == 255) {
            destination[0] = static_cast<uint8_t>(blue);
            destination[1] = static_cast<uint8_t>(green);
            destination[2] = static_cast<uint8_t>(red);
        } else if (alpha != 0) {
            destination[0] = BlendChannel(destination[0], blue, alpha);
            destination[1] = BlendChannel(destination[1], green, alpha);
            destination[2] = BlendChannel(destination[2], red, alpha);
        }
    }
}

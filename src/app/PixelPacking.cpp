#include "app/PixelPacking.h"

std::uint32_t packColour(std::uint32_t colour, int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 32: return colour | 0xFF000000u;
    case 24: return colour;
    case 16: {
        const std::uint32_t red = (colour >> 16) & 0xFF;
        const std::uint32_t green = (colour >> 8) & 0xFF;
        const std::uint32_t blue = colour & 0xFF;
        return ((red * 31 / 255) << 11) | ((green * 63 / 255) << 5) | (blue * 31 / 255);
    }
    default: return 0;
    }
}

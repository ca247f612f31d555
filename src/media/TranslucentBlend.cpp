#include "media/TranslucentBlend.h"

#include <cstring>

void blendRow(std::uint8_t* destination, const std::uint8_t* source, int rowBytes, int bitsPerPixel, int alpha)
{
    const unsigned a = static_cast<unsigned>(alpha);
    const unsigned rest = 128u - a;
    if (bitsPerPixel >= 24) {
        for (int i = 0; i < rowBytes; ++i)
            destination[i] = static_cast<std::uint8_t>((source[i] * a + destination[i] * rest) / 128u);
    } else if (bitsPerPixel == 16) {
        const int pixels = (rowBytes + 1) / 2;
        for (int i = 0; i < pixels; ++i) {
            std::uint16_t d;
            std::uint16_t s;
            std::memcpy(&d, destination + 2 * i, 2);
            std::memcpy(&s, source + 2 * i, 2);
            const unsigned red = (((d & 0xF800u) * rest + (s & 0xF800u) * a) / 128u) & 0xF800u;
            const unsigned green = (((d & 0x07E0u) * rest + (s & 0x07E0u) * a) / 128u) & 0x07E0u;
            const unsigned blue = (((d & 0x001Fu) * rest + (s & 0x001Fu) * a) / 128u) & 0x001Fu;
            const std::uint16_t mixed = static_cast<std::uint16_t>(red | green | blue);
            std::memcpy(destination + 2 * i, &mixed, 2);
        }
    }
}

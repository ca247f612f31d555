#pragma once

#include <cstdint>

// Packs a colour 0x00RRGGBB into a raw pixel of a back surface of the given depth:
// 32 bits sets the top byte, 24 keeps the colour, 16 rounds each channel down into 5-6-5,
// any other depth gives black.
std::uint32_t packColour(std::uint32_t colour, int bitsPerPixel);

#pragma once

#include <cstdint>

// Mixes one row of picture pixels into one row of the back surface with a weight of
// alpha/128 (0 keeps the back surface, 128 copies the picture), in place.
// At 24 and 32 bits every byte is mixed on its own (the fourth byte too); at 16 bits each
// 5-6-5 field is mixed in place; other depths are left unchanged.
void blendRow(std::uint8_t* destination, const std::uint8_t* source, int rowBytes, int bitsPerPixel, int alpha);

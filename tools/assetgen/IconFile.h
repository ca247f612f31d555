#pragma once

#include <cstdint>
#include <vector>

// A Windows icon file holding several sizes of one picture: classic 32-bit entries up to
// 48 pixels, PNG-compressed entries above.
struct IconImage {
    int size = 0;                    // width = height, 16 .. 256
    std::vector<std::uint8_t> rgba;  // rows top first
};

namespace IconFile {

std::vector<std::uint8_t> encode(const std::vector<IconImage>& images);

}  // namespace IconFile

#pragma once

#include <cstdint>
#include <vector>

// A Windows bitmap file, 24 bits per pixel, bottom-up rows padded to four bytes, from
// red-green-blue rows given top first.
namespace BmpFile {

std::vector<std::uint8_t> encode(int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace BmpFile

#pragma once

#include <cstdint>
#include <vector>

// A PNG file, 8 bits per channel, from rows given top first: red-green-blue-alpha
// (`channels` 4) or red-green-blue (`channels` 3).  Empty when libpng fails.
namespace PngFile {

std::vector<std::uint8_t> encode(int width, int height, int channels, const std::vector<std::uint8_t>& pixels);

}  // namespace PngFile

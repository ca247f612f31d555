#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Small readers for the generated files, independent of the game's own loaders.
namespace assetfiles {

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path);

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
    bool isBlack() const { return r == 0 && g == 0 && b == 0; }
};

// A 24-bit uncompressed Windows bitmap.
struct Bitmap {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;  // rows from the top
    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
std::optional<Bitmap> readBitmap(const std::filesystem::path& path);

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at);
std::uint16_t le16(const std::vector<std::uint8_t>& b, std::size_t at);

}  // namespace assetfiles

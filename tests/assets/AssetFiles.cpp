#include "AssetFiles.h"

#include <fstream>
#include <iterator>

namespace assetfiles {

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::uint16_t le16(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::optional<Bitmap> readBitmap(const std::filesystem::path& path)
{
    const std::vector<std::uint8_t> b = readBytes(path);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || le32(b, 14) != 40 || le16(b, 26) != 1 || le16(b, 28) != 24 ||
        le32(b, 30) != 0)
        return std::nullopt;
    const auto width = static_cast<std::int32_t>(le32(b, 18));
    const auto height = static_cast<std::int32_t>(le32(b, 22));
    const std::uint32_t offset = le32(b, 10);
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096)
        return std::nullopt;
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    if (offset + rowBytes * height > b.size())
        return std::nullopt;
    Bitmap bitmap{width, height, {}};
    bitmap.pixels.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = offset + rowBytes * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::size_t p = row + static_cast<std::size_t>(x) * 3;
            bitmap.pixels[static_cast<std::size_t>(y) * width + x] = {b[p + 2], b[p + 1], b[p]};
        }
    }
    return bitmap;
}

}  // namespace assetfiles

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

std::optional<Wave> readWave(const std::filesystem::path& path)
{
    const std::vector<std::uint8_t> b = readBytes(path);
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE" || le32(b, 4) + 8 > b.size())
        return std::nullopt;
    Wave wave;
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::string id(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
        const std::uint32_t size = le32(b, at + 4);
        if (at + 8 + size > b.size())
            return std::nullopt;
        if (id == "fmt " && size >= 16) {
            wave.formatSize = size;
            wave.formatTag = le16(b, at + 8);
            wave.channels = le16(b, at + 10);
            wave.sampleRate = static_cast<int>(le32(b, at + 12));
            wave.bitsPerSample = le16(b, at + 22);
            haveFormat = true;
        } else if (id == "data" && haveFormat && wave.bitsPerSample == 16) {
            for (std::uint32_t i = 0; i + 1 < size; i += 2)
                wave.samples.push_back(static_cast<std::int16_t>(le16(b, at + 8 + i)));
            return wave;
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

}  // namespace assetfiles

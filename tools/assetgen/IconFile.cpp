#include "IconFile.h"

#include "ByteWriter.h"
#include "PngFile.h"

namespace {

// A device-independent bitmap entry: BGRA rows bottom-up, then the 1-bit AND mask.
std::vector<std::uint8_t> dibEntry(const IconImage& image)
{
    const int n = image.size;
    ByteWriter out;
    out.u32(40);
    out.u32(static_cast<std::uint32_t>(n));
    out.u32(static_cast<std::uint32_t>(n * 2));  // colour rows and mask rows together
    out.u16(1);
    out.u16(32);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    for (int y = n - 1; y >= 0; --y)
        for (int x = 0; x < n; ++x) {
            const std::size_t p = (static_cast<std::size_t>(y) * n + x) * 4;
            out.u8(image.rgba[p + 2]);
            out.u8(image.rgba[p + 1]);
            out.u8(image.rgba[p]);
            out.u8(image.rgba[p + 3]);
        }
    const int maskRowBytes = ((n + 31) / 32) * 4;
    for (int y = n - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(maskRowBytes), 0);
        for (int x = 0; x < n; ++x)
            if (image.rgba[(static_cast<std::size_t>(y) * n + x) * 4 + 3] == 0)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.append(row);
    }
    return out.bytes();
}

}  // namespace

std::vector<std::uint8_t> IconFile::encode(const std::vector<IconImage>& images)
{
    std::vector<std::vector<std::uint8_t>> entries;
    for (const IconImage& image : images)
        entries.push_back(image.size <= 48 ? dibEntry(image) : PngFile::encode(image.size, image.size, 4, image.rgba));
    ByteWriter out;
    out.u16(0);
    out.u16(1);  // icon
    out.u16(static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int n = images[i].size;
        out.u8(n >= 256 ? 0 : static_cast<std::uint32_t>(n));
        out.u8(n >= 256 ? 0 : static_cast<std::uint32_t>(n));
        out.u8(0);
        out.u8(0);
        out.u16(1);
        out.u16(32);
        out.u32(static_cast<std::uint32_t>(entries[i].size()));
        out.u32(offset);
        offset += static_cast<std::uint32_t>(entries[i].size());
    }
    for (const auto& entry : entries)
        out.append(entry);
    return out.bytes();
}

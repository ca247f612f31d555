#include "BmpFile.h"

#include "ByteWriter.h"

std::vector<std::uint8_t> BmpFile::encode(int width, int height, const std::vector<std::uint8_t>& rgb)
{
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
    ByteWriter out;
    out.tag("BM");
    out.u32(14 + 40 + imageBytes);
    out.u32(0);
    out.u32(14 + 40);
    out.u32(40);  // BITMAPINFOHEADER
    out.u32(static_cast<std::uint32_t>(width));
    out.u32(static_cast<std::uint32_t>(height));  // positive: rows stored bottom-up
    out.u16(1);
    out.u16(24);
    out.u32(0);  // no compression
    out.u32(imageBytes);
    out.u32(2835);  // 72 dots per inch
    out.u32(2835);
    out.u32(0);
    out.u32(0);
    for (int y = height - 1; y >= 0; --y) {
        const std::size_t row = static_cast<std::size_t>(y) * width * 3;
        for (int x = 0; x < width; ++x) {
            const std::size_t p = row + static_cast<std::size_t>(x) * 3;
            out.u8(rgb[p + 2]);
            out.u8(rgb[p + 1]);
            out.u8(rgb[p]);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < rowBytes; ++pad)
            out.u8(0);
    }
    return out.bytes();
}

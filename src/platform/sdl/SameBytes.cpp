#include "platform/sdl/SameBytes.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace platform::sdl {

bool sameBytes(const void* a, const void* b, std::size_t size)
{
    // Thirty-two bytes a step with one branch: the library's comparison goes byte by byte
    // in the browser, and a whole frame is compared fifteen times a second.
    const auto* left = static_cast<const std::uint8_t*>(a);
    const auto* right = static_cast<const std::uint8_t*>(b);
    std::size_t at = 0;
    for (; at + 32 <= size; at += 32) {
        std::uint64_t x[4], y[4];
        std::memcpy(x, left + at, 32);
        std::memcpy(y, right + at, 32);
        if (((x[0] ^ y[0]) | (x[1] ^ y[1]) | (x[2] ^ y[2]) | (x[3] ^ y[3])) != 0)
            return false;
    }
    return std::memcmp(left + at, right + at, size - at) == 0;
}

Rect differingArea(const SDL_Surface& a, const SDL_Surface& b, const Rect& area)
{
    const int bpp = a.format->BytesPerPixel;
    const size_t rowBytes = static_cast<size_t>(area.width()) * bpp;
    Rect found{area.right, area.bottom, area.left, area.top};
    for (int row = area.top; row < area.bottom; ++row) {
        const auto* left = static_cast<const std::uint8_t*>(a.pixels) + static_cast<size_t>(row) * a.pitch +
                           static_cast<size_t>(area.left) * bpp;
        const auto* right = static_cast<const std::uint8_t*>(b.pixels) + static_cast<size_t>(row) * b.pitch +
                            static_cast<size_t>(area.left) * bpp;
        if (sameBytes(left, right, rowBytes))
            continue;
        // The row's first and last differing pixels, looked for from each end.
        int first = 0;
        while (std::memcmp(left + static_cast<size_t>(first) * bpp, right + static_cast<size_t>(first) * bpp, bpp) == 0)
            ++first;
        int last = area.width() - 1;
        while (std::memcmp(left + static_cast<size_t>(last) * bpp, right + static_cast<size_t>(last) * bpp, bpp) == 0)
            --last;
        found = Rect{std::min(found.left, area.left + first), std::min(found.top, row),
                     std::max(found.right, area.left + last + 1), row + 1};
    }
    return found.isEmpty() ? Rect{} : found;
}

}  // namespace platform::sdl

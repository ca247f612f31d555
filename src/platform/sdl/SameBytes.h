#pragma once

// A fast equality test for runs of pixels: the frame comparisons of a display that shows
// only frames that changed.

#include <cstddef>

namespace platform::sdl {

// True when the `size` bytes at `a` and at `b` are equal.
bool sameBytes(const void* a, const void* b, std::size_t size);

}  // namespace platform::sdl

#pragma once

// Fast comparisons of pixels: a display that shows only what changed between frames.

#include <SDL.h>

#include <cstddef>

#include "platform/Geometry.h"

namespace platform::sdl {

// True when the `size` bytes at `a` and at `b` are equal.
bool sameBytes(const void* a, const void* b, std::size_t size);

// The smallest box holding every pixel within `area` that differs between two surfaces of
// one size and format; empty when they are alike there.
Rect differingArea(const SDL_Surface& a, const SDL_Surface& b, const Rect& area);

}  // namespace platform::sdl

#pragma once

// Lines and text on an SDL surface, GDI-exact (see SdlDrawing.cpp).

#include <SDL.h>

#include <functional>
#include <memory>

#include "platform/DrawContext.h"

namespace platform::sdl {

// Told the box around what each line or text may have painted.
using DrawnArea = std::function<void(const Rect&)>;

// A drawing context that draws into `target` (any of the 16-, 24- and 32-bit formats).
std::unique_ptr<DrawContext> createDrawContext(SDL_Surface* target, DrawnArea drawn = {});

}  // namespace platform::sdl

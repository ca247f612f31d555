#pragma once

// Lines and text on an SDL surface, GDI-exact (see SdlDrawing.cpp).

#include <SDL.h>

#include <memory>

#include "platform/DrawContext.h"

namespace platform::sdl {

// A drawing context that draws into `target` (any of the 16-, 24- and 32-bit formats).
std::unique_ptr<DrawContext> createDrawContext(SDL_Surface* target);

}  // namespace platform::sdl

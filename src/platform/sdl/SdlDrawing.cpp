// Placeholder until the drawing context lands: no context can be had yet.
#include "platform/sdl/SdlDrawing.h"

namespace platform::sdl {
std::unique_ptr<DrawContext> createDrawContext(SDL_Surface*) { return nullptr; }
}  // namespace platform::sdl

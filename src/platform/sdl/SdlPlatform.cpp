// The SDL2 layer's entry points and the hooks that tests and the headless driver use.
#include "platform/sdl/SdlPlatform.h"

#include <SDL.h>
#include <SDL_image.h>

#include "platform/sdl/SdlDisplayDevice.h"
#include "platform/sdl/SdlSurface.h"
#include "platform/sdl/SdlSystem.h"

namespace platform {

std::unique_ptr<Platform> createPlatform() { return sdl::createSdlPlatform(sdl::Options{}); }

}  // namespace platform

namespace platform::sdl {

std::unique_ptr<Platform> createSdlPlatform(const Options& options) { return std::make_unique<SdlSystem>(options); }

void loseSurface(Surface& surface)
{
    if (auto* sdlSurface = dynamic_cast<SdlSurface*>(&surface))
        sdlSurface->lose();
}

void interruptNextSettingsSave(Platform& platform)
{
    if (auto* system = dynamic_cast<SdlSystem*>(&platform))
        system->interruptNextSave();
}

void postMessage(Platform& platform, const Message& message)
{
    if (auto* system = dynamic_cast<SdlSystem*>(&platform))
        system->post(message);
}

std::string lastOpenedAddress(Platform& platform)
{
    auto* system = dynamic_cast<SdlSystem*>(&platform);
    return system ? system->lastAddress() : std::string();
}

bool saveScreenshot(Surface& surface, const char* pngFile)
{
    auto* sdlSurface = dynamic_cast<SdlSurface*>(&surface);
    if (!sdlSurface || !pngFile || sdlSurface->isBusy())
        return false;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(sdlSurface->pixels(), SDL_PIXELFORMAT_RGB24, 0);
    if (!rgb)
        return false;
    const bool saved = IMG_SavePNG(rgb, pngFile) == 0;
    SDL_FreeSurface(rgb);
    return saved;
}

}  // namespace platform::sdl

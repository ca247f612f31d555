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

std::vector<unsigned char> readPictureRgb(const char* file, int& width, int& height)
{
    width = height = 0;
    std::vector<unsigned char> pixels;
    SDL_Surface* loaded = file ? IMG_Load(file) : nullptr;
    SDL_Surface* rgb = loaded ? SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0) : nullptr;
    if (rgb && SDL_LockSurface(rgb) == 0) {
        const auto* bytes = static_cast<const unsigned char*>(rgb->pixels);
        const size_t row = static_cast<size_t>(rgb->w) * 3;
        pixels.reserve(row * static_cast<size_t>(rgb->h));
        for (int y = 0; y < rgb->h; ++y) {
            const unsigned char* line = bytes + static_cast<size_t>(y) * rgb->pitch;
            pixels.insert(pixels.end(), line, line + row);
        }
        width = rgb->w;
        height = rgb->h;
        SDL_UnlockSurface(rgb);
    }
    SDL_FreeSurface(rgb);
    SDL_FreeSurface(loaded);
    return pixels;
}

}  // namespace platform::sdl

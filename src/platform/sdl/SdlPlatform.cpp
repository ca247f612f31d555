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

std::deque<Message> feedFinger(Platform& platform, FingerPhase phase, long long finger, int x, int y,
                               std::uint32_t timeMs)
{
    auto* system = dynamic_cast<SdlSystem*>(&platform);
    if (!system)
        return {};
    SDL_Event event{};
    event.type = phase == FingerPhase::Down   ? SDL_FINGERDOWN
                 : phase == FingerPhase::Move ? SDL_FINGERMOTION
                                              : SDL_FINGERUP;
    event.tfinger.timestamp = timeMs;
    event.tfinger.fingerId = finger;
    const auto [width, height] = system->windowSize();
    // The middle of the pixel, so that the window's own rounding lands on it.
    event.tfinger.x = width > 0 ? (static_cast<float>(x) + 0.5f) / static_cast<float>(width) : 0.0f;
    event.tfinger.y = height > 0 ? (static_cast<float>(y) + 0.5f) / static_cast<float>(height) : 0.0f;
    return system->feed(event);
}

std::deque<Message> feedPadButton(Platform& platform, int button, bool down)
{
    auto* system = dynamic_cast<SdlSystem*>(&platform);
    if (!system)
        return {};
    SDL_Event event{};
    event.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
    event.cbutton.button = static_cast<Uint8>(button);
    event.cbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    return system->feed(event);
}

std::deque<Message> feedPadAxis(Platform& platform, int axis, int value)
{
    auto* system = dynamic_cast<SdlSystem*>(&platform);
    if (!system)
        return {};
    SDL_Event event{};
    event.type = SDL_CONTROLLERAXISMOTION;
    event.caxis.axis = static_cast<Uint8>(axis);
    event.caxis.value = static_cast<Sint16>(value < -32768 ? -32768 : value > 32767 ? 32767 : value);
    return system->feed(event);
}

bool isTextEntryShown(Platform& platform)
{
    auto* system = dynamic_cast<SdlSystem*>(&platform);
    return system && system->isTextEntryShown();
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

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

}  // namespace platform::sdl

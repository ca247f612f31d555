#pragma once

// Shared helpers of the SDL layer's tests: temporary folders, a headless platform with a
// window and display, picture files written on the spot, raw pixel access.

#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/sdl/SdlPlatform.h"
#include "platform/sdl/SdlWindow.h"
#include "support/DriverRun.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

namespace platform::sdl::test {

// A fresh folder, removed with everything in it, and the path of a file in it.
class TempFolder : public TemporaryFolder {
public:
    std::string file(const std::string& name) const { return (path() / name).string(); }
};

// Sets an environment variable (unsets it for null) until the end of the scope.
struct ScopedVariable {
    ScopedVariable(const char* variable, const char* value) : name(variable), had(std::getenv(variable) != nullptr)
    {
        previous = had ? std::getenv(variable) : "";
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedVariable() { had ? setenv(name, previous.c_str(), 1) : unsetenv(name); }
    const char* name;
    bool had;
    std::string previous;
};

inline void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// A headless platform at one depth, with its window and display surfaces up.
struct Display {
    explicit Display(int bits, bool fullScreen = false, int windowScale = 1, bool onlyChangedFrames = false)
    {
        Options options;
        options.backSurfaceBits = bits;
        options.showOnlyChangedFrames = onlyChangedFrames;
        platform = createSdlPlatform(options);
        WindowSettings settings;
        settings.fullScreen = fullScreen;
        settings.windowScale = windowScale;
        window = platform->createWindow(settings);
        if (window)
            device = platform->createDisplayDevice(*window, 800, 600, 16);
        if (device && !device->createSurfaces())
            device.reset();
    }
    ~Display()
    {
        platform->setMessageHandler(nullptr);  // the test's handler may be gone already
        device.reset();
        window.reset();
    }
    bool ready() const { return device != nullptr; }

    std::unique_ptr<Platform> platform;
    std::unique_ptr<Window> window;
    std::unique_ptr<DisplayDevice> device;
};

// Queues a pointer event over the display's window: a move, or a button pressed or released.
inline void pushPointer(Display& display, Uint32 type, Uint8 button, int x, int y)
{
    const std::uint32_t window = dynamic_cast<SdlWindow&>(*display.window).id();
    SDL_Event e{};
    if (type == SDL_MOUSEMOTION)
        e.motion = SDL_MouseMotionEvent{type, 0, window, 0, 0, x, y, 0, 0};
    else
        e.button = SDL_MouseButtonEvent{type, 0, window, 0, button, 0, 1, 0, x, y};
    SDL_PushEvent(&e);
}

// The raw value of one pixel, read through a lock.
inline std::uint32_t pixelAt(Surface& surface, int x, int y)
{
    LockedPixels locked;
    if (!surface.lock(Rect{x, y, x + 1, y + 1}, locked))
        return 0xDEADBEEF;
    std::uint32_t value = 0;
    for (int i = surface.getBitsPerPixel() / 8 - 1; i >= 0; --i)
        value = (value << 8) | locked.bits[i];
    surface.unlock();
    return value;
}

// The colour 0xRRGGBB that a window shows at a point of its own pixels, read from its
// renderer's output or, without a renderer, from its surface.
inline std::uint32_t windowPixel(SDL_Window* window, int x, int y)
{
    std::uint32_t pixel = 0xDEADBEEF;
    SDL_Rect point{x, y, 1, 1};
    if (SDL_Renderer* renderer = SDL_GetRenderer(window)) {
        SDL_RenderReadPixels(renderer, &point, SDL_PIXELFORMAT_RGB888, &pixel, 4);
    } else if (SDL_Surface* shown = SDL_GetWindowSurface(window)) {
        SDL_Surface* one = SDL_CreateRGBSurfaceWithFormat(0, 1, 1, 32, SDL_PIXELFORMAT_RGB888);
        if (one && SDL_BlitSurface(shown, &point, one, nullptr) == 0)
            pixel = *static_cast<std::uint32_t*>(one->pixels);
        SDL_FreeSurface(one);
    }
    return pixel & 0xFFFFFF;
}

// The raw value of an 0xRRGGBB colour at a depth (5-6-5 at 16 bits).
inline std::uint32_t rawColour(int bits, std::uint32_t rgb)
{
    if (bits != 16)
        return rgb;
    return ((rgb >> 19 & 31) << 11) | ((rgb >> 10 & 63) << 5) | (rgb >> 3 & 31);
}

}  // namespace platform::sdl::test

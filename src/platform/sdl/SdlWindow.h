#pragma once

// The game's one window on SDL.

#include <SDL.h>

#include <functional>

#include "platform/Display.h"
#include "platform/Platform.h"

namespace platform::sdl {

class SdlDisplayDevice;

class SdlWindow final : public Window {
public:
    using DestroyNotice = std::function<void(SdlWindow&)>;

    // Creates and shows the window: windowed with an exact client area, or full screen on
    // the desktop's own mode.  `onDestroy` runs inside the destructor, while the window
    // still exists (it sends the Destroy message).  Null if SDL cannot make the window.
    static std::unique_ptr<SdlWindow> create(const WindowSettings& settings, DestroyNotice onDestroy);

    ~SdlWindow() override;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    bool isFullScreen() const override { return fullScreen; }
    // SDL's window sizes are client sizes already, and its frame is the window manager's.
    void fitToClient(int width, int height) override;

    SDL_Window* handle() const { return window; }
    std::uint32_t id() const { return windowId; }

    // The display device drawing into this window; it gives up its renderer when the
    // window goes first.
    void attach(SdlDisplayDevice* device) { attached = device; }
    void detach(SdlDisplayDevice* device)
    {
        if (attached == device)
            attached = nullptr;
    }

private:
    SdlWindow(SDL_Window* handle, bool fullScreen, DestroyNotice onDestroy);

    SDL_Window* window;
    std::uint32_t windowId;
    bool fullScreen;
    DestroyNotice destroyNotice;
    SdlDisplayDevice* attached = nullptr;
};

}  // namespace platform::sdl

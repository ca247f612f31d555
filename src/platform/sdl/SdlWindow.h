#pragma once

// The game's one window on SDL.

#include <SDL.h>

#include <functional>

#include "platform/Display.h"
#include "platform/Geometry.h"
#include "platform/Platform.h"
#include "platform/sdl/Presentation.h"

namespace platform::sdl {

class SdlDisplayDevice;

class SdlWindow final : public Window {
public:
    using DestroyNotice = std::function<void(SdlWindow&)>;

    // Creates and shows the window: windowed with a client area of a whole multiple of the
    // asked size (the settings' scale, or the largest that fits the usable desktop), or full
    // screen on the desktop's own mode.  `onDestroy` runs inside the destructor, while the window
    // still exists (it sends the Destroy message).  Null if SDL cannot make the window.
    static std::unique_ptr<SdlWindow> create(const WindowSettings& settings, DestroyNotice onDestroy);

    ~SdlWindow() override;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    bool isFullScreen() const override { return fullScreen; }
    // SDL's window sizes are client sizes already, and its frame is the window manager's;
    // a scaled window grows by its multiple.
    void fitToClient(int width, int height) override;
    int getScale() const { return scale; }
    // How its display device is to present, chosen before the window showed.
    PresentationPath getPath() const { return path; }

    // Where the display device shows a picture of width x height in the window: pointer
    // positions are mapped back through it onto that picture.
    void showPicture(const Rect& inWindow, int width, int height);
    void toPicture(int& x, int& y) const;

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
    SdlWindow(SDL_Window* handle, bool fullScreen, int scale, PresentationPath path, DestroyNotice onDestroy);

    SDL_Window* window;
    std::uint32_t windowId;
    bool fullScreen;
    int scale;  // of a window; 1 in full screen, where the picture fits the screen instead
    PresentationPath path;
    Rect picture;
    int pictureWidth = 0;
    int pictureHeight = 0;
    DestroyNotice destroyNotice;
    SdlDisplayDevice* attached = nullptr;
};

}  // namespace platform::sdl

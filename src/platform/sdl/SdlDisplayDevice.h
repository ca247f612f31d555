#pragma once

// The display of the game's window on SDL: an 800x600 software back surface, a visible
// copy of it, and the presentation path that puts the picture into the window.

#include <SDL.h>

#include <memory>

#include "platform/Display.h"
#include "platform/sdl/Presentation.h"
#include "platform/sdl/SdlSurface.h"

namespace platform::sdl {

class SdlWindow;

class SdlDisplayDevice final : public DisplayDevice {
public:
    // A device for `window` with surfaces of width x height at `bitsPerPixel` (16, 24, 32,
    // or 0 for the display's own depth), presenting on the path chosen for the window.  Null
    // if the window has no surface or SDL no renderer for it.  With `onlyChangedFrames` a
    // frame equal to the one on show is not shown again.
    static std::unique_ptr<SdlDisplayDevice> create(SdlWindow& window, int width, int height, int bitsPerPixel,
                                                    bool onlyChangedFrames = false);

    ~SdlDisplayDevice() override;
    SdlDisplayDevice(const SdlDisplayDevice&) = delete;
    SdlDisplayDevice& operator=(const SdlDisplayDevice&) = delete;

    bool createSurfaces() override;
    void releaseSurfaces() override;
    Surface* getPrimarySurface() override { return primary.get(); }
    Surface* getBackSurface() override { return back.get(); }
    bool present() override;
    std::unique_ptr<Surface> createSurface(int width, int height) override;
    void flipToSystemSurface() override {}
    PresentationPath getPath() const { return path; }

    // The window is being destroyed before the device: renderer and texture go with it,
    // and every later present fails.
    void windowGone();

private:
    SdlDisplayDevice(SdlWindow& window, PresentationPath path, SDL_Renderer* renderer, int width, int height,
                     int bitsPerPixel, bool onlyChangedFrames);
    bool presentArea(SDL_Surface* frame, const Rect& area);
    void destroyRenderer();
    // Where the picture goes in a window of the given size; the window maps the pointer by it.
    SDL_Rect placePicture(int windowWidth, int windowHeight);
    bool presentToWindowSurface(SDL_Surface* frame);
    bool presentWithRenderer(SDL_Surface* frame);

    SdlWindow* window;
    PresentationPath path;
    SDL_Renderer* renderer;  // null on the window-surface path
    SDL_Texture* texture = nullptr;
    SDL_Surface* stretchSource = nullptr;  // the frame widened for stretching into a window surface
    int width;
    int height;
    std::uint32_t pixelFormat;            // of the back, visible and off-screen surfaces
    std::unique_ptr<SdlSurface> primary;  // what the last present showed
    bool shownOnce = false;               // a present reached the window
    bool onlyChangedFrames;               // the back surface tracks its changes, and an unchanged frame stays
    std::unique_ptr<SdlSurface> back;
};

}  // namespace platform::sdl

#pragma once

// The DirectDraw display of the game's window: full screen with a flip chain at the game's
// own mode, or the desktop's primary surface with an off-screen back surface.

#include <windows.h>
#include <ddraw.h>

#include <memory>

#include "platform/Display.h"
#include "platform/win32/DisplaySurface.h"

namespace platform::win32 {

class DirectDrawDevice final : public DisplayDevice {
public:
    // DirectDraw on the default driver with the cooperative level for the window (exclusive
    // full screen with the mode width x height x bitsPerPixel, or normal); null on failure.
    static std::unique_ptr<DirectDrawDevice> create(HWND window, bool fullScreen, int width, int height,
                                                    int bitsPerPixel);

    ~DirectDrawDevice() override;
    DirectDrawDevice(const DirectDrawDevice&) = delete;
    DirectDrawDevice& operator=(const DirectDrawDevice&) = delete;

    bool createSurfaces() override;
    void releaseSurfaces() override;
    Surface* getPrimarySurface() override { return primary.get(); }
    Surface* getBackSurface() override { return back.get(); }
    bool present() override;
    std::unique_ptr<Surface> createSurface(int width, int height) override;
    void flipToSystemSurface() override;

    // The pixel formats the game draws in: RGB without a palette, 16 bits as 5-6-5, or 24/32.
    static bool isUsableFormat(const DDPIXELFORMAT& format);

private:
    DirectDrawDevice(IDirectDraw* device, HWND window, bool fullScreen, int width, int height);
    bool createFullScreenSurfaces();
    bool createWindowSurfaces();
    bool clipToRectangle(IDirectDrawClipper* clipper) const;

    IDirectDraw* device;
    HWND window;
    bool fullScreen;
    int width;
    int height;
    std::unique_ptr<DisplaySurface> primary;
    std::unique_ptr<DisplaySurface> back;
};

}  // namespace platform::win32

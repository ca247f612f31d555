#pragma once

// A DirectDraw surface: the visible surface, the back surface, or an off-screen surface
// holding one picture.  Blits and fills go to the driver; lines and text to GDI on the
// surface's device context.

#include <windows.h>
#include <ddraw.h>

#include <memory>

#include "platform/Surface.h"
#include "platform/win32/GdiDrawContext.h"

namespace platform::win32 {

class DisplaySurface final : public Surface {
public:
    // Takes over one reference to `surface`; null if its description cannot be read.
    static std::unique_ptr<DisplaySurface> adopt(IDirectDrawSurface* surface);
    // An off-screen plain surface of width x height in the display's format; null on failure.
    static std::unique_ptr<DisplaySurface> createOffScreen(IDirectDraw* device, int width, int height);

    ~DisplaySurface() override;
    DisplaySurface(const DisplaySurface&) = delete;
    DisplaySurface& operator=(const DisplaySurface&) = delete;

    int getWidth() const override { return width; }
    int getHeight() const override { return height; }
    int getBitsPerPixel() const override { return bitsPerPixel; }
    void setColourKey(std::uint32_t low, std::uint32_t high) override;
    bool blit(Surface& from, const Rect& source, int x, int y, bool keyed) override;
    bool fill(const Rect& area, std::uint32_t pixel) override;
    bool lock(const Rect& area, LockedPixels& out) override;
    bool unlock() override;
    bool loadPicture(const char* fileName) override;
    bool isLost() const override;
    bool restore() override;
    DrawContext* getDrawContext() override;
    void releaseDrawContext() override;

    IDirectDrawSurface* handle() const { return surface; }
    // True while a lock or a device context keeps the surface from the blitter.
    bool isBusy() const { return lockedBits != nullptr || drawContext != nullptr; }

private:
    DisplaySurface(IDirectDrawSurface* surface, int width, int height, int bitsPerPixel);

    IDirectDrawSurface* surface;
    int width;
    int height;
    int bitsPerPixel;
    void* lockedBits = nullptr;  // what Lock returned, handed back to Unlock
    HDC deviceContext = nullptr;
    std::unique_ptr<GdiDrawContext> drawContext;
};

}  // namespace platform::win32

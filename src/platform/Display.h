#pragma once

#include <memory>

#include "platform/Surface.h"

namespace platform {

// The main window.  Destroying it (the destructor) sends MessageKind::Destroy to the
// message handler before it returns, as destroying a real window does.
class Window {
public:
    virtual ~Window() = default;
    virtual bool isFullScreen() const = 0;
    // Resizes a framed window so that its client area is width x height, keeping its top-left corner.
    virtual void fitToClient(int width, int height) = 0;
};

// The display device of one window: the visible surface, the back surface every frame is
// drawn into, and off-screen surfaces in the same pixel format.
class DisplayDevice {
public:
    virtual ~DisplayDevice() = default;

    // Creates the visible surface and the 800x600 back surface for the device's mode.
    // False if the display cannot hold them or its format has a palette or fewer than 16 bits.
    virtual bool createSurfaces() = 0;
    // Releases back and visible surface (each if present).
    virtual void releaseSurfaces() = 0;
    virtual Surface* getPrimarySurface() = 0;
    virtual Surface* getBackSurface() = 0;

    // Shows the finished back surface (a flip in full screen, a copy into the window otherwise).
    virtual bool present() = 0;

    // A new off-screen surface of the given size in the back surface's format; null on failure.
    virtual std::unique_ptr<Surface> createSurface(int width, int height) = 0;

    // Switches the visible surface back to the system's own (before a message box).
    virtual void flipToSystemSurface() = 0;
};

}  // namespace platform

#pragma once

#include <cstdint>

#include "platform/Geometry.h"

namespace platform {

class DrawContext;

// Direct access to a locked rectangle of a surface.
struct LockedPixels {
    std::uint8_t* bits = nullptr;  // first byte of the locked rectangle's top-left pixel
    int pitch = 0;                 // bytes from one row to the next (may exceed the row's width)
};

// A picture in display memory: the back surface every frame is drawn into, or an
// off-screen surface holding one picture file.  Pixels are raw values of the surface's
// format (16-bit 5-6-5, 24-bit or 32-bit RGB).
class Surface {
public:
    virtual ~Surface() = default;

    virtual int getWidth() const = 0;
    virtual int getHeight() const = 0;
    virtual int getBitsPerPixel() const = 0;

    // Source colour key: raw pixel values low..high are transparent in keyed blits from this surface.
    virtual void setColourKey(std::uint32_t low, std::uint32_t high) = 0;

    // Copies `source` rectangle of `from` so that its top-left lands on (x, y) here, cut to
    // this surface's clip rectangle (the whole surface).  With `keyed`, pixels in the
    // source's colour-key range are skipped.
    virtual bool blit(Surface& from, const Rect& source, int x, int y, bool keyed) = 0;

    // Fills the rectangle, cut to the surface, with one raw pixel value.
    virtual bool fill(const Rect& area, std::uint32_t pixel) = 0;

    // Locks a rectangle (already inside the surface) for direct pixel access.
    virtual bool lock(const Rect& area, LockedPixels& out) = 0;
    virtual bool unlock() = 0;

    // Copies the named picture file into the surface, scaled to the surface's size.
    // False when the file is missing or unreadable; the surface keeps what it held.
    virtual bool loadPicture(const char* fileName) = 0;

    // A surface can lose its memory (the display was taken away); blits, fills and locks
    // then fail until `restore` brings the memory back (its contents are undefined).
    virtual bool isLost() const = 0;
    virtual bool restore() = 0;

    // The drawing context for lines and text on this surface; null if it cannot be had.
    // While it is out the surface cannot be blitted to, filled or locked.
    virtual DrawContext* getDrawContext() = 0;
    virtual void releaseDrawContext() = 0;
};

}  // namespace platform

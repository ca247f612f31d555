#pragma once

// How the finished picture reaches the screen: the one place that chooses among SDL's
// presentation paths, and the rectangle the picture takes in its window.

#include "platform/Geometry.h"

namespace platform::sdl {

enum class PresentationPath {
    WindowSurface,        // copied 1:1 (or stretched in software) into the window's own surface
    SoftwareRenderer,     // SDL's software renderer scales it on the processor
    AcceleratedRenderer,  // SDL's accelerated renderer scales it on the graphics card
};

// The path for a window that shows the picture 1:1 (`scaled` false) or larger.  The
// environment variable KELVARY_PRESENT ("surface", "software" or "accelerated") forces one;
// otherwise a 1:1 window takes the window surface, and a scaled one the accelerated
// renderer unless OpenGL here draws on the processor, where the software renderer is cheaper.
PresentationPath choosePresentationPath(bool scaled);

// True for the renderer names of OpenGL drivers that rasterise on the processor.
bool isSoftwareRasteriser(const char* glRenderer);

const char* describe(PresentationPath path);

// The largest rectangle of the picture's aspect ratio centred in a window (whole multiples
// of the picture fill a window of that multiple exactly; other sizes get black bars).
Rect pictureRect(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight);

}  // namespace platform::sdl

#pragma once

// The pixels a solid pen paints, rule for rule as the game's lines were measured.

#include <functional>

#include "platform/Geometry.h"

namespace platform::sdl {

// Receives one painted pixel; only pixels inside the clip rectangle are passed on.
using PlotPixel = std::function<void(int x, int y)>;

// A one-pixel line from (x1, y1) towards (x2, y2): one pixel per step along the major axis,
// the start pixel painted and the end pixel left out.  The minor coordinate is the nearest
// one; on an exact tie a shallow line takes the upper pixel and a steep one the left.
void rasterThinLine(int x1, int y1, int x2, int y2, const Rect& clip, const PlotPixel& plot);

// A line `width` (>= 2) pixels wide with round ends, end points included and the same pixels
// whichever way it is drawn.  The body is the band within width/2 of the segment between its
// end points, sampled at pixel corners with points on a top or left edge inside; each end is
// a disc of diameter `width`, centred half a pixel up and left for even widths (so a width-2
// end is the 2x2 block from (x-1, y-1) to (x, y)).
void rasterWideLine(int x1, int y1, int x2, int y2, int width, const Rect& clip, const PlotPixel& plot);

}  // namespace platform::sdl

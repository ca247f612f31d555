#pragma once

#include "platform/Geometry.h"

namespace platform {

// A blit cut to both surfaces: the part of the source picture still to copy and the target
// position of its top-left pixel.
struct ClippedBlit {
    Rect source;
    int x = 0;
    int y = 0;
};

// Cuts a blit of `source` from a picture of sourceWidth x sourceHeight to (x, y) on a
// target of targetWidth x targetHeight: the source to its own picture, then the destination
// to the target, moving the other side along so that each remaining pixel lands where it
// would have.  False when nothing of it is visible.  `source` must not be inverted.
bool clipBlit(const Rect& source, int x, int y, int sourceWidth, int sourceHeight, int targetWidth, int targetHeight,
              ClippedBlit& out);

// The part of `area` inside a surface of width x height (empty when none is).
Rect clipToSurface(const Rect& area, int width, int height);

}  // namespace platform

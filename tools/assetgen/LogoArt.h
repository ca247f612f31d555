#pragma once

#include "Canvas.h"
#include "Lettering.h"

// The maker's mark and name.
namespace LogoArt {

constexpr const char* makerName = "harrowdine";

// A tilted square of four small blocks, `size` pixels across, centred on (cx, cy).
void mark(Canvas& canvas, double cx, double cy, double size, double opacity = 1.0);
// The splash screen's logo, shown over black.
Canvas company(Lettering& lettering);

}  // namespace LogoArt

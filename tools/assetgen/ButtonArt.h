#pragma once

#include <vector>

#include "Canvas.h"

// The look shared by every button: a plain caption, and under the mouse a lit box with an
// orange outline and a brighter caption.
namespace ButtonArt {

// The lit box of a button under the mouse, kept one pixel inside the cell.
void highlight(Canvas& canvas, double x, double y, double width, double height);
// Cells of equal size placed one above the other, first on top.
Canvas stacked(const std::vector<Canvas>& cells);

}  // namespace ButtonArt

#pragma once

#include "Canvas.h"
#include "Lettering.h"

// The game screen: its background with every label, the counters' digits, the points
// popup's digits and the two buttons drawn straight on it.
namespace FieldArt {

// Where the game screen puts things (screen pixels).
constexpr int fieldLeft = 160, fieldTop = 100, fieldSize = 480, cellSize = 60, gridSize = 8;
constexpr int timeBarX = 200, timeBarY = 50, timeBarWidth = 400, timeBarHeight = 10;
constexpr int leftColumnLeft = 20, leftColumnRight = 140, rightColumnLeft = 660, rightColumnRight = 780;
constexpr int digitWidth = 10, digitHeight = 12;
constexpr int specialX = 705, specialY = 160;
constexpr int exitX = 670, exitY = 499, exitWidth = 54, exitHeight = 16;
constexpr int logoX = 651, logoY = 546, logoWidth = 138, logoHeight = 29;

Canvas field(Lettering& lettering);
Canvas digits(Lettering& lettering);     // 100 x 12: ten opaque 10 x 12 cells
Canvas bigDigits(Lettering& lettering);  // 160 x 20: ten keyed 16 x 20 cells
Canvas exitButton(Lettering& lettering, const Canvas& field);
Canvas logoButton(Lettering& lettering, const Canvas& field);

}  // namespace FieldArt

#pragma once

#include "Canvas.h"
#include "Lettering.h"
#include "media/AssetCatalogue.h"

// The game screen: its background with every label, the counters' digits, the points
// popup's digits and the two buttons drawn straight on it.
namespace FieldArt {

// Where the game screen puts things (screen pixels).
constexpr int fieldLeft = 160, fieldTop = 100, fieldSize = 480, cellSize = 60, gridSize = 8;
constexpr int timeBarX = 200, timeBarY = 50, timeBarWidth = 400, timeBarHeight = 10;
constexpr int leftColumnLeft = 20, leftColumnRight = 140, rightColumnLeft = 660, rightColumnRight = 780;
constexpr int digitWidth = pictures::digits.cellWidth(), digitHeight = pictures::digits.cellHeight();
constexpr int specialX = 705, specialY = 160;
constexpr int exitX = 670, exitY = 499, exitWidth = pictures::gameExit.cellWidth(),
              exitHeight = pictures::gameExit.cellHeight();
constexpr int logoX = 651, logoY = 546, logoWidth = pictures::logoButton.cellWidth(),
              logoHeight = pictures::logoButton.cellHeight();

// Where the touch controls panel covers the field's controls panel.
constexpr int touchControlsX = 20, touchControlsY = 280;

Canvas field(Lettering& lettering);
Canvas digits(Lettering& lettering);     // ten opaque cells
Canvas bigDigits(Lettering& lettering);  // ten keyed cells
Canvas exitButton(Lettering& lettering, const Canvas& field);
Canvas touchControls(Lettering& lettering);
Canvas logoButton(Lettering& lettering, const Canvas& field);

}  // namespace FieldArt

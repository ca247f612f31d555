#pragma once

#include "Canvas.h"
#include "Colour.h"
#include "Shape.h"
#include "media/AssetCatalogue.h"

// The playing pieces: eight colours, each with its own symbol so that the colours can be
// told apart without seeing them, and the four steps of a block being cleared.
namespace BlockArt {

// The block picture: a row per colour, a column per frame.
constexpr int colourCount = pictures::blocks.rows;
constexpr int framesPerColour = pictures::blocks.columns;
constexpr int blockSize = pictures::blocks.cellWidth();

Colour colour(int row);
// The symbol of a colour row, centred on (cx, cy), about `size` pixels across.
Shape symbol(int row, double cx, double cy, double size);
// Frame 0 is the block at rest; 1 a bright flash, 2 and 3 shrinking with sparkles, 4 the
// last sparkles as it vanishes.  The block fills a `size` square with its top-left at (x, y).
void draw(Canvas& canvas, int row, int frame, double x, double y, double size);
// The picture of all blocks.
Canvas sheet();

}  // namespace BlockArt

#pragma once

#include "Canvas.h"

// The program's icon at any size: four blocks in a rounded dark tile.
namespace IconArt {

Canvas icon(int size);
// The same group filling a square to its edges, for launchers that cut icons to their own
// shape; everything that matters stays in the middle circle of 80 % of the width.
Canvas maskable(int size);

}  // namespace IconArt

#pragma once

#include "Canvas.h"

// The program's icon at any size: four blocks in a rounded dark tile.
namespace IconArt {

Canvas icon(int size);

}  // namespace IconArt

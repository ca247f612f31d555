#pragma once

#include <string>
#include <vector>

#include "Canvas.h"

// Pictures for the help pages, drawn with the game's own blocks and field.
struct HelpPicture {
    std::string fileName;
    Canvas canvas;
};

namespace HelpPictures {

std::vector<HelpPicture> make();

}  // namespace HelpPictures

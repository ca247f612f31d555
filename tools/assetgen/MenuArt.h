#pragma once

#include <string>
#include <vector>

#include "Canvas.h"
#include "Lettering.h"

// The main menu: the title picture and the five buttons cut from it.
namespace MenuArt {

struct MenuButton {
    std::string fileName;
    std::string caption;
    int x, y, width, cellHeight;
};

const std::vector<MenuButton>& buttons();
Canvas title(Lettering& lettering);
// The button's two cells (plain, under the mouse) over the title at its position.
Canvas button(Lettering& lettering, const Canvas& title, const MenuButton& button);

}  // namespace MenuArt

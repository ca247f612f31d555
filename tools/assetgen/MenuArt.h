#pragma once

#include <string>
#include <vector>

#include "Canvas.h"
#include "Lettering.h"
#include "media/AssetCatalogue.h"

// The main menu: the title picture and the five buttons cut from it.
namespace MenuArt {

// A button cut from the title at (x, y), with the size and cells of its picture.
struct MenuButton {
    PictureFile picture;
    std::string caption;
    int x, y;
};

const std::vector<MenuButton>& buttons();
Canvas title(Lettering& lettering);
// The button's two cells (plain, under the mouse) over the title at its position.
Canvas button(Lettering& lettering, const Canvas& title, const MenuButton& button);

}  // namespace MenuArt

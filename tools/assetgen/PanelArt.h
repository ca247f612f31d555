#pragma once

#include "Canvas.h"
#include "Lettering.h"

// Pictures inside the framed boxes (options, high scores, end of game), all on the boxes'
// dark blue fill; the two switches are keyed, as the game screen shows them too.
namespace PanelArt {

// Each at the size of its picture in the game's catalogue.
Canvas okButton(Lettering& lettering);
Canvas resetButton(Lettering& lettering);
Canvas nameLabel(Lettering& lettering);
Canvas scoreLabel(Lettering& lettering);
Canvas gameOver(Lettering& lettering);
Canvas congratulations(Lettering& lettering);
Canvas tips(Lettering& lettering);
Canvas soundSwitch(Lettering& lettering);       // on, on lit, off, off lit
Canvas fullScreenSwitch(Lettering& lettering);  // window, lit, full screen, lit

}  // namespace PanelArt

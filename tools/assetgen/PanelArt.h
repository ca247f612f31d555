#pragma once

#include "Canvas.h"
#include "Lettering.h"

// Pictures inside the framed boxes (options, high scores, end of game), all on the boxes'
// dark blue fill; the two switches are keyed, as the game screen shows them too.
namespace PanelArt {

Canvas okButton(Lettering& lettering);          // 22 x 24
Canvas resetButton(Lettering& lettering);       // 96 x 24
Canvas nameLabel(Lettering& lettering);         // 39 x 11
Canvas scoreLabel(Lettering& lettering);        // 42 x 12
Canvas gameOver(Lettering& lettering);          // 81 x 12
Canvas congratulations(Lettering& lettering);   // 263 x 64
Canvas tips(Lettering& lettering);              // 342 x 30
Canvas soundSwitch(Lettering& lettering);       // 104 x 68: on, on lit, off, off lit
Canvas fullScreenSwitch(Lettering& lettering);  // 103 x 72: window, lit, full screen, lit

}  // namespace PanelArt

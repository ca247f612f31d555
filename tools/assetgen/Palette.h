#pragma once

#include "Colour.h"

// The one palette every picture of the game is drawn from.
namespace palette {

constexpr Colour panelFill = Colour::hex(0x000022);    // the framed boxes' fill (drawn by the game)
constexpr Colour panelBorder = Colour::hex(0xFF9900);  // their border
constexpr Colour accent = Colour::hex(0xFF9900);
constexpr Colour accentSoft = Colour::hex(0xFFC266);
constexpr Colour text = Colour::hex(0xDCE4FF);        // normal text and button captions
constexpr Colour textBright = Colour::hex(0xFFFFFF);  // captions under the mouse
constexpr Colour label = Colour::hex(0x8FA3E0);       // small captions above counters
constexpr Colour backgroundTop = Colour::hex(0x0B1240);
constexpr Colour backgroundBottom = Colour::hex(0x03051A);
constexpr Colour fieldFill = Colour::hex(0x0A1038);    // playing field between the cells
constexpr Colour cellWell = Colour::hex(0x121A4C);     // one cell of the playing field
constexpr Colour counterFill = Colour::hex(0x000022);  // counter panels and digit cells
constexpr Colour outline = Colour::hex(0x080808);      // darkest outline: never pure black
constexpr Colour popupDigit = Colour::hex(0xFFD23C);

}  // namespace palette

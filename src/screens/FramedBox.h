#pragma once

// The look shared by the options box, the high-score box and the end-of-game panel: a
// filled rectangle with a border line along its four edges.  Opens the drawing bracket
// (the caller closes it with endDraw); false if the fill or the bracket fails.
bool drawFramedBox(int left, int top, int width, int height, int fillColour, int borderColour, int borderWidth);

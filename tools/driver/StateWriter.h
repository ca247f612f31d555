#pragma once

#include <string>

class Widget;

// One JSON object describing the game after a frame's update: the screen number and, on the
// game screen, its counters, flags and the kinds of the field's blocks.
std::string describeState(int frame, Widget* root);

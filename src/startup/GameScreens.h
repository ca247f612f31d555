#pragma once

#include <memory>

class ScreenHost;
class Widget;

// The game's own screens, which only start-up knows: it hands this factory to the root host,
// so the host itself knows none of them.  Null for a number that is no screen.
std::unique_ptr<Widget> makeGameScreen(ScreenHost& host, int screen);

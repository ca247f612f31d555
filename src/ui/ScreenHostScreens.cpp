// Which screen the host builds for each screen number.
#include "ui/ScreenHost.h"

std::unique_ptr<Widget> ScreenHost::makeGameScreen(ScreenHost& /*host*/, int /*screen*/)
{
    // The splash (0), the main menu (1) and the game (2) are added here as they are built;
    // an empty slot draws nothing and takes no input.
    return nullptr;
}

// Which screen the host builds for each screen number.  The factory stands above every
// screen it builds, so the host itself knows none of them.
#include "game/GameScreen.h"
#include "screens/MainMenu.h"
#include "ui/ScreenHost.h"
#include "ui/SplashScreen.h"

ScreenHost::ScreenHost(Widget* parentWidget, int px, int py) : ScreenHost(parentWidget, px, py, makeGameScreen) {}

std::unique_ptr<Widget> ScreenHost::makeGameScreen(ScreenHost& host, int screen)
{
    switch (screen) {
    case SplashScreenNumber: return std::make_unique<SplashScreen>(&host, 0, 0, host.getWidth(), host.getHeight());
    case MainMenuNumber: return std::make_unique<MainMenu>(&host, 0, 0);
    case GameScreenNumber: return std::make_unique<GameScreen>(&host, 0, 0);
    default:
        // No other screen exists: an empty slot draws nothing and takes no input.
        return nullptr;
    }
}

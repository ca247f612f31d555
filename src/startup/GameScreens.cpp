// Which screen the host builds for each screen number.
#include "startup/GameScreens.h"

#include "game/GameScreen.h"
#include "screens/MainMenu.h"
#include "ui/ScreenHost.h"
#include "ui/SplashScreen.h"

std::unique_ptr<Widget> makeGameScreen(ScreenHost& host, int screen)
{
    switch (screen) {
    case ScreenHost::SplashScreenNumber:
        return std::make_unique<SplashScreen>(&host, 0, 0, host.getWidth(), host.getHeight());
    case ScreenHost::MainMenuNumber: return std::make_unique<MainMenu>(&host, 0, 0);
    case ScreenHost::GameScreenNumber: return std::make_unique<GameScreen>(&host, 0, 0);
    default:
        // No other screen exists: an empty slot draws nothing and takes no input.
        return nullptr;
    }
}

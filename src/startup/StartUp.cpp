#include "startup/StartUp.h"

#include "app/Application.h"
#include "game/RoundRecord.h"
#include "startup/GameScreens.h"
#include "ui/ScreenHost.h"

int runGame(platform::Platform& platformInstance)
{
    theApp = new Application(false, 800, 600, 16, 1, 15, 1, 22050, 16, platformInstance,
                             platformInstance.getStartShowCommand());
    if (!theApp->initialised) {
        platformInstance.showMessageBox(
            theApp->window.get(), "Cannot Initialize Game",
            "Cannot initialize game. Make sure your system satisfies our minimum requirements:\n\n"
            "Screen: resolution 800x600 or higher, 16 bit colour depth or higher\n"
            "CPU: PII 300 MHz or higher\nRAM: 64 MB or higher\n"
            "OS: Windows 95/98/ME/NT/2000/XP with DirectX 5.2 or above",
            platform::MessageIcon::Error);
        delete theApp;
        theApp = nullptr;
        return 1;
    }
    auto* host = new ScreenHost(nullptr, 0, 0, makeGameScreen);
    rootWidget = host;
    // A round the last run left unfinished comes straight back, past the splash and the menu.
    if (platformInstance.keepsRounds() && RoundRecord::parse(platformInstance.getKeptRound()))
        host->setFrame(ScreenHost::GameScreenNumber);
    const int exitCode = theApp->run();
    delete rootWidget;
    rootWidget = nullptr;
    delete theApp;
    theApp = nullptr;
    return exitCode;
}

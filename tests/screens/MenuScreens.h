#pragma once

// Where the main menu and its boxes put their buttons on the 800 x 600 screen.

#include "ScreenTestSupport.h"
#include "screens/MainMenu.h"

namespace screens_test {

struct Spot {
    int x;
    int y;
};

// A point inside each menu button (their top-left corners plus a few pixels).
constexpr Spot startSpot{358 + 10, 216 + 10};
constexpr Spot highScoresSpot{349 + 10, 293 + 10};
constexpr Spot optionsSpot{363 + 10, 324 + 10};
constexpr Spot helpSpot{378 + 10, 355 + 10};
constexpr Spot exitSpot{378 + 10, 450 + 10};
constexpr Spot titleSpot{100, 100};

// The options box at (300, 200), 200 x 200.
constexpr Spot soundToggleSpot{348 + 10, 242 + 8};
constexpr Spot fullScreenToggleSpot{348 + 10, 291 + 8};
constexpr Spot optionsOkSpot{389 + 5, 344 + 5};
constexpr Spot betweenTogglesSpot{348 + 10, 242 + 17 + 10};

// The high-score box at (200, 110), 400 x 380.
constexpr Spot highScoresOkSpot{470 + 5, 438 + 5};
constexpr Spot resetSpot{330 + 10, 438 + 5};

class MenuTest : public ScreenTest {
protected:
    // The program as it stands after the splash: the host showing a fresh main menu.
    MainMenu& openMenu()
    {
        ScreenHost& host = installHost();
        host.setFrame(ScreenHost::MainMenuNumber);
        return menu();
    }
    ScreenHost& host() { return *static_cast<ScreenHost*>(rootWidget); }
    MainMenu& menu() { return *dynamic_cast<MainMenu*>(host().getChild(0)); }
    bool menuShown() { return host().getFrame() == 1 && dynamic_cast<MainMenu*>(host().getChild(0)) != nullptr; }
    Widget* panel() { return menu().getPanel(); }
    int buttonFrame(int index) { return menu().getChild(index)->getFrame(); }
    // The frames of the five buttons, start to exit, as digits.
    std::string buttonFrames()
    {
        std::string frames;
        for (int i = MainMenu::StartButton; i <= MainMenu::ExitButton; ++i)
            frames += std::to_string(buttonFrame(i));
        return frames;
    }
};

}  // namespace screens_test

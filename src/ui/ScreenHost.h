#pragma once

#include <functional>
#include <memory>

#include "ui/Widget.h"

// The root of the widget tree.  It owns exactly one screen and uses its frame number as the
// screen's number: 0 splash, 1 main menu, 2 game.  A screen asks for the next one with
// `nextFrame` or `setFrame`; the old screen is deleted inside that call.
class ScreenHost : public Widget {
public:
    enum Screen {
        SplashScreenNumber = 0,
        MainMenuNumber = 1,
        GameScreenNumber = 2
    };

    // Builds the screen of a number in the host's slot (null if it cannot be built).
    using ScreenFactory = std::function<std::unique_ptr<Widget>(ScreenHost& host, int screen)>;

    // A host whose screens come from `factory`: the game's own (start-up's `makeGameScreen`)
    // or a test's.
    ScreenHost(Widget* parent, int x, int y, ScreenFactory factory);

    void onFrameChanged() override;
    void handleEvent(int eventCode) override;
    virtual void setUp();

private:
    ScreenFactory screenFactory;
};

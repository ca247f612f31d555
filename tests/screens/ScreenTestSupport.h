#pragma once

// Shared by the screen tests: the real screens in a host, stand-ins for the screens not under test.

#include <memory>
#include <vector>

#include "support/ScreenTest.h"
#include "ui/ScreenHost.h"

namespace screens_test {

// A stand-in for the game screen: asks the host for the menu when clicked, as the game does
// when its end-of-game panel is confirmed.
class StandInGame : public Widget {
public:
    explicit StandInGame(ScreenHost& host) : Widget(&host, 0, 0, nullptr) {}
    void handleEvent(int eventCode) override
    {
        if (eventCode == MousePressed)
            getParent()->setFrame(ScreenHost::MainMenuNumber);
    }
};

// Records the events it receives (stands in for a screen whose input is to be watched).
class EventRecorder : public Widget {
public:
    EventRecorder(Widget* owner, std::vector<int>& record) : Widget(owner, 0, 0, nullptr), events(record) {}
    void handleEvent(int eventCode) override { events.push_back(eventCode); }
    std::vector<int>& events;
};

class ScreenTest : public ScreenTestBase {
protected:
    // The real screens, except that screen 2 is a stand-in for the game.
    ScreenHost& installHost()
    {
        auto* host = new ScreenHost(nullptr, 0, 0, [](ScreenHost& owner, int screen) -> std::unique_ptr<Widget> {
            if (screen == ScreenHost::GameScreenNumber)
                return std::make_unique<StandInGame>(owner);
            return ScreenHost::makeGameScreen(owner, screen);
        });
        rootWidget = host;
        return *host;
    }

    // How the text looks drawn in "Arial" at `height` in `colour` into the rectangle, on a
    // `background` fill: draws it, reads it back, and leaves the rectangle as drawn.
    std::vector<std::uint32_t> referenceText(int left, int top, int right, int bottom, int alignment, const char* text,
                                             int height, int colour, int background)
    {
        app().fillRect(left, top, right - left, bottom - top, background);
        app().beginDraw();
        app().selectFont("Arial", height, colour);
        app().drawText(left, top, right, bottom, alignment, text);
        app().deleteFont();
        app().endDraw();
        return region(left, top, right, bottom);
    }
};

}  // namespace screens_test

#pragma once

// Shared by the screen tests: the real screens in a host, stand-ins for the screens not under test,
// and where the main menu and its boxes put their buttons on the 800 x 600 screen.

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "screens/HighScoreTable.h"
#include "screens/MainMenu.h"
#include "startup/GameScreens.h"
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

// The stored table (loading also stores any missing value) as "name score" entries joined by '|'.
inline std::string storedTable()
{
    HighScoreTable table;
    table.load();
    std::string text;
    for (int i = 0; i < HighScoreTable::HighScoreTableSize; ++i)
        text += (i ? "|" : "") + std::string(table.names[i]) + " " + std::to_string(table.scores[i]);
    return text;
}

// The built-in table with `entry` inserted at `place` and the tenth dropped.
inline std::string defaultsWith(int place, const std::string& entry)
{
    std::string text;
    const char* defaults[] = {"Wuffle 1000000", "Wuffle 800000", "Wuffle 600000", "Dravi 100000", "Dravi 80000",
                              "Dravi 60000",    "Pelko 10000",   "Pelko 8000",    "Pelko 6000",   "Pelko 4000"};
    for (int i = 0, from = 0; i < HighScoreTable::HighScoreTableSize; ++i)
        text += (i ? "|" : "") + (i == place ? entry : std::string(defaults[from++]));
    return text;
}

class ScreenTest : public ScreenTestBase {
protected:
    // The real screens in a host as the root (in place of any before), except that screen
    // `standInScreen` (the game's, unless told) is what `standIn` makes.
    using StandIn = std::function<std::unique_ptr<Widget>(ScreenHost&)>;
    ScreenHost& installHost(
        int standInScreen = ScreenHost::GameScreenNumber,
        StandIn standIn = [](ScreenHost& owner) { return std::make_unique<StandInGame>(owner); })
    {
        delete rootWidget;
        rootWidget = new ScreenHost(nullptr, 0, 0, [=](ScreenHost& owner, int screen) -> std::unique_ptr<Widget> {
            return screen == standInScreen ? standIn(owner) : makeGameScreen(owner, screen);
        });
        return host();
    }
    ScreenHost& host() { return *static_cast<ScreenHost*>(rootWidget); }

    // How the texts (alignment, text) look drawn in "Arial" at `height` in `colour` into the
    // rectangle on a `background` fill: draws them, reads them back, and leaves them drawn.
    std::vector<std::uint32_t> referenceText(int left, int top, int right, int bottom,
                                             std::initializer_list<std::pair<int, const char*>> texts, int height,
                                             int colour, int background)
    {
        app().fillRect(left, top, right - left, bottom - top, background);
        app().beginDraw();
        app().selectFont("Arial", height, colour);
        for (const auto& [alignment, text] : texts)
            app().drawText(left, top, right, bottom, alignment, text);
        app().deleteFont();
        app().endDraw();
        return region(left, top, right, bottom);
    }
};

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
    MainMenu& menu() { return *dynamic_cast<MainMenu*>(host().getChild(0)); }
    bool menuShown() { return host().getFrame() == 1 && dynamic_cast<MainMenu*>(host().getChild(0)) != nullptr; }
    Widget* panel() { return menu().getPanel(); }
    // The frames of the five buttons, start to exit, as digits.
    std::string buttonFrames()
    {
        std::string frames;
        for (int i = MainMenu::StartButton; i <= MainMenu::ExitButton; ++i)
            frames += std::to_string(menu().getChild(i)->getFrame());
        return frames;
    }
};

}  // namespace screens_test

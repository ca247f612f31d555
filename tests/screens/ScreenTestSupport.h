#pragma once

// Shared by the screen tests: the real screens in a host, stand-ins for the screens not under test.

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "screens/HighScoreTable.h"
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

}  // namespace screens_test

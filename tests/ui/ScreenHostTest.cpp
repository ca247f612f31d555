#include <gtest/gtest.h>

#include "ui/ScreenHost.h"

namespace {

struct Log {
    std::vector<std::string> screens;         // "+N" built, "-N" deleted, in order
    std::vector<std::pair<int, int>> events;  // (screen, event)
};

class TestScreen : public Widget {
public:
    TestScreen(ScreenHost& host, int screen, Log& record) : Widget(&host, 0, 0, nullptr), number(screen), log(record)
    {
        log.screens.push_back("+" + std::to_string(number));
    }
    ~TestScreen() override { log.screens.push_back("-" + std::to_string(number)); }
    void handleEvent(int eventCode) override
    {
        log.events.emplace_back(number, eventCode);
        // Asking for the next screen is the screen's last act.
        if (eventCode == MousePressed)
            getParent()->nextFrame();
    }

private:
    int number;
    Log& log;
};

ScreenHost::ScreenFactory factoryFor(Log& log, bool withMenu = true)
{
    return [&log, withMenu](ScreenHost& host, int screen) -> std::unique_ptr<Widget> {
        if (screen == ScreenHost::MainMenuNumber && !withMenu)
            return nullptr;
        return std::make_unique<TestScreen>(host, screen, log);
    };
}

TEST(ScreenHost, SwitchesSplashMenuGameMenuAndOnlyOnARealChange)
{
    Log log;
    ScreenHost host(nullptr, 0, 0, factoryFor(log));
    EXPECT_EQ(log.screens, (std::vector<std::string>{"+0"}));

    host.nextFrame();                // splash -> menu
    host.handleEvent(MousePressed);  // the menu asks for the game
    EXPECT_EQ(host.getFrame(), 2);
    host.nextFrame();  // nothing follows the game
    host.setFrame(2);
    host.setFrame(1);  // game -> a fresh menu
    host.setFrame(0);  // the splash never comes back
    // Each screen, with its pictures and sounds, is gone before the next is built.
    EXPECT_EQ(log.screens, (std::vector<std::string>{"+0", "-0", "+1", "-1", "+2", "-2", "+1"}));
    EXPECT_EQ(host.getFrame(), 0);
}

TEST(ScreenHost, ForwardsTheFiveEventsOnlyAndToleratesAnEmptySlot)
{
    Log log;
    ScreenHost host(nullptr, 0, 0, factoryFor(log, false));
    for (int code : {0, 1, 3, 4, 5, 6, -1})
        host.handleEvent(code);
    EXPECT_EQ(log.events, (std::vector<std::pair<int, int>>{{0, 1}, {0, 3}, {0, 4}, {0, 5}}));

    host.handleEvent(MousePressed);  // splash -> a menu that could not be built
    EXPECT_EQ(host.getChild(0), nullptr);
    host.handleEvent(MouseMoved);
    host.update();
    EXPECT_TRUE(host.draw());
    EXPECT_EQ(log.events.size(), 5u);
}

}  // namespace

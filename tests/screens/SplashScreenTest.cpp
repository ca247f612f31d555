#include <vector>

#include "ScreenTestSupport.h"
#include "platform/sdl/SdlAudio.h"
#include "ui/SplashScreen.h"

namespace screens_test {
namespace {

class SplashTest : public ScreenTest {
protected:
    // The real splash; the menu's slot gets an event recorder.
    SplashScreen& start()
    {
        installHost(ScreenHost::MainMenuNumber,
                    [this](ScreenHost& owner) { return std::make_unique<EventRecorder>(&owner, menuEvents); });
        return splash();
    }
    SplashScreen& splash() { return *dynamic_cast<SplashScreen*>(host().getChild(0)); }
    bool splashShown() { return host().getFrame() == 0 && dynamic_cast<SplashScreen*>(host().getChild(0)); }
    bool menuShown() { return host().getFrame() == 1 && dynamic_cast<EventRecorder*>(host().getChild(0)); }

    std::vector<int> menuEvents;
};

TEST_F(SplashTest, TheLogoFadesInHoldsAndFadesOutOnBlackWithTheJingleAtFrame5ThenTheMenuFollows)
{
    app().hasSound = false;  // no jingle
    start();
    for (int f = 0; f < 6; ++f)
        frame();
    EXPECT_EQ(platform::sdl::playingVoices(), 0);

    app().hasSound = true;
    start();
    std::vector<int> alphas;
    std::vector<int> voices;  // playing after each frame's update
    while (splashShown() && alphas.size() < 100) {
        alphas.push_back(splash().getLogo()->getAlpha());
        ASSERT_TRUE(frame());
        voices.push_back(platform::sdl::playingVoices());
    }
    EXPECT_TRUE(menuShown());  // frames 0 to 63; the update that reaches 64 shows the menu
    ASSERT_EQ(alphas.size(), 64u);
    EXPECT_EQ(std::vector<int>(alphas.begin() + 15, alphas.begin() + 52), std::vector<int>(37, 128));
    const std::vector<int> fadeOut(alphas.begin() + 52, alphas.end());
    EXPECT_EQ(fadeOut, (std::vector<int>{119, 102, 85, 68, 51, 34, 17, 0, 0, 0, 0, 0}));
    EXPECT_EQ(voices[3], 0);
    EXPECT_EQ(voices[4], 1);
}

TEST_F(SplashTest, OnlyAKeyPressOrAClickSkipsAndTheNextEventAlreadyReachesTheMenu)
{
    start();
    frame();
    move(400, 300);
    keyUp('A');
    typeChar('a');
    ASSERT_TRUE(splashShown());
    EXPECT_EQ(splash().getFrame(), 1);
    keyDown('A');
    ASSERT_TRUE(menuShown());
    keyUp('A');
    EXPECT_EQ(menuEvents, std::vector<int>{KeyReleased});

    start();
    press(400, 300, 2);
    EXPECT_TRUE(menuShown());
    EXPECT_EQ(menuEvents.size(), 1u);
}

}  // namespace
}  // namespace screens_test

#include "ScreenTestSupport.h"
#include "platform/sdl/SdlPlatform.h"
#include "screens/HighScoreScreen.h"

namespace screens_test {
namespace {

TEST_F(MenuTest, MovingHighlightsExactlyTheButtonUnderThePointer)
{
    openMenu();
    const std::pair<Spot, const char*> moves[] = {{startSpot, "10000"},   {highScoresSpot, "01000"},
                                                  {optionsSpot, "00100"}, {helpSpot, "00010"},
                                                  {exitSpot, "00001"},    {titleSpot, "00000"}};
    for (const auto& [spot, frames] : moves) {
        move(spot.x, spot.y);
        EXPECT_EQ(buttonFrames(), frames) << spot.x << "," << spot.y;
    }

    // The highlighted cell is what the frame shows.
    move(exitSpot.x, exitSpot.y);
    ASSERT_TRUE(frame());
    screenshot("menu-exit-highlighted");
}

TEST_F(MenuTest, AnOpenBoxTakesEveryEventAndTheButtonsBehindItDoNothing)
{
    openMenu();
    click(highScoresSpot.x, highScoresSpot.y);
    // Start and exit lie under the box: their clicks reach the box, which ignores them.
    click(startSpot.x, startSpot.y);
    click(exitSpot.x, exitSpot.y);
    EXPECT_TRUE(menuShown());
    EXPECT_NE(app().window, nullptr);
    EXPECT_EQ(buttonFrames(), "01000");
}

TEST_F(MenuTest, HelpOpensTheHelpStartBuildsTheGameAFinishedGameAFreshMenuAndExitEndsTheProgram)
{
    openMenu();
    click(helpSpot.x, helpSpot.y);
    EXPECT_TRUE(menuShown());
    EXPECT_NE(platform::sdl::lastOpenedAddress(headless.platform()).find("index.html"), std::string::npos);

    click(startSpot.x, startSpot.y, 2);  // any button clicks
    EXPECT_EQ(host().getFrame(), ScreenHost::GameScreenNumber);
    ASSERT_NE(dynamic_cast<StandInGame*>(host().getChild(0)), nullptr);
    move(startSpot.x, startSpot.y);
    click(400, 300);  // the stand-in game ends and asks for the menu
    ASSERT_TRUE(menuShown());
    EXPECT_EQ(buttonFrames(), "00000");
    EXPECT_TRUE(frame());

    click(exitSpot.x, exitSpot.y);
    EXPECT_EQ(app().window, nullptr);
}

}  // namespace
}  // namespace screens_test

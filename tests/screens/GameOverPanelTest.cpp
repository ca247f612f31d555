#include <string>

#include "ScreenTestSupport.h"
#include "screens/GameOverPanel.h"
#include "screens/TextField.h"

namespace screens_test {
namespace {

// Stands in for the game screen: the panel in its last slot takes every event, and its
// report is recorded and answered by deleting it.
class PanelOwner : public Widget {
public:
    PanelOwner() : Widget(nullptr, 0, 0, nullptr) { allocateChildren(1); }
    GameOverPanel* panel() { return static_cast<GameOverPanel*>(getChild(0)); }
    void handleEvent(int eventCode) override
    {
        if (Widget* open = getChild(0))
            open->handleEvent(eventCode);
    }
    void onChildFinished(Widget*, int result) override
    {
        results.push_back(result);
        replaceChild(0, nullptr);
    }
    std::vector<int> results;
};

// The panel at (200, 220), 400 x 260.
constexpr int qualifyingOkX = 389 + 5, qualifyingOkY = 440 + 5;
constexpr int tipsOkX = 389 + 5, tipsOkY = 409 + 5;

class GameOverPanelTest : public ScreenTest {
protected:
    GameOverPanel& open(std::uint32_t score)
    {
        owner = new PanelOwner;
        rootWidget = owner;
        owner->replaceChild(0,
                            std::make_unique<GameOverPanel>(owner, 200, 220, 400, 260, 0x000022, 0xFF9900, 2, score));
        return *owner->panel();
    }
    PanelOwner* owner = nullptr;
};

TEST_F(GameOverPanelTest, AQualifyingScoreTakesTheTypedNameAndOkStoresIt)
{
    GameOverPanel& panel = open(70000);  // the first game ever: against the built-in table
    ASSERT_TRUE(panel.getIsHighScore());
    ASSERT_NE(panel.getNameField(), nullptr);
    type("Ada\r");
    keyDown(platform::vk::Left);
    keyDown(platform::vk::Backspace);
    type("n");
    EXPECT_STREQ(panel.getNameField()->getTextBuffer(), "Ana");

    move(qualifyingOkX, qualifyingOkY);
    EXPECT_EQ(panel.getChild(0)->getFrame(), 1);
    move(qualifyingOkX, qualifyingOkY + 20);
    EXPECT_EQ(panel.getChild(0)->getFrame(), 0);
    for (auto [x, y] : {std::pair{300, 300}, {389 + 22, qualifyingOkY}, {388, qualifyingOkY}})
        click(x, y);  // not on OK, nor a pixel beside it
    EXPECT_TRUE(owner->results.empty());

    click(qualifyingOkX, qualifyingOkY);
    EXPECT_EQ(owner->results, std::vector<int>{10});
    EXPECT_EQ(owner->panel(), nullptr);
    EXPECT_EQ(storedTable(), defaultsWith(5, "Ana 70000"));
}

TEST_F(GameOverPanelTest, AScoreEqualToTheTenthShowsTheTipsAndStoresNothing)
{
    GameOverPanel& panel = open(4000);
    ASSERT_FALSE(panel.getIsHighScore());
    type("Bob");
    ASSERT_TRUE(frame());
    screenshot("gameover-tips");
    press(tipsOkX, tipsOkY);
    EXPECT_EQ(owner->results, std::vector<int>{10});
    EXPECT_EQ(storedTable(), defaultsWith(-1, ""));
}

}  // namespace
}  // namespace screens_test

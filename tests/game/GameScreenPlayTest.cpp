// A round as the player sees it: the time bar, a clearing with its outlines and popup, the
// blinking special block, and the end of the game with the panel over the frozen field.
#include "GameScreenFixture.h"

#include "screens/GameOverPanel.h"
#include "screens/HighScoreTable.h"
#include "screens/MainMenu.h"
#include "screens/TextField.h"
#include "ui/NumberDisplay.h"

namespace game_test {
namespace {

// A square in kind 2 that a counter-clockwise turn of group (0, 1) completes: (0, 1) turns
// down into (0, 2), the fourth corner of (0,0)-(2,0)-(2,2).
void prepareSquare(BoardRules& rules)
{
    rules.getCell(2, 0)->setKind(2);
    rules.getCell(2, 2)->setKind(2);
    rules.getCell(0, 1)->setKind(2);
}
constexpr int squareMoveX = 220;
constexpr int squareMoveY = 220;

// The colour a 0x00RRGGBB colour is stored as in a back surface of `bits`.
std::uint32_t stored(std::uint32_t colour, int bits)
{
    if (bits != 16)
        return colour;
    const std::uint32_t r = (colour >> 16) & 0xFF;
    const std::uint32_t g = (colour >> 8) & 0xFF;
    const std::uint32_t b = colour & 0xFF;
    return ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3);
}

class TimeBarTest : public GameScreenTest, public ::testing::WithParamInterface<int> {
protected:
    TimeBarTest() : GameScreenTest(GetParam()) {}
    std::uint32_t raw(int x, int y) { return headless.pixel(x, y) & (GetParam() == 16 ? 0xFFFFu : 0xFFFFFFu); }
};

TEST_P(TimeBarTest, WidthAndColourFollowTheTimeLeft)
{
    const int bits = GetParam();
    startGame();
    ASSERT_TRUE(drawOnly());
    const std::uint32_t beyond = raw(500, 55);

    // The start: 1000 units, 200 pixels, orange (g = 127).
    ASSERT_EQ(rules().getTimeLeft(), 1000);
    ASSERT_TRUE(frame());
    const std::uint32_t orange = stored(0xFF7F00, bits);
    EXPECT_EQ(raw(200, 50), orange);
    EXPECT_EQ(raw(399, 59), orange);
    EXPECT_NE(raw(400, 55), orange);
    EXPECT_NE(raw(200, 60), orange);

    // Full: 2000 units, 400 pixels, yellow.
    rules().addTime(2000);
    ASSERT_TRUE(drawOnly());
    const std::uint32_t yellow = stored(0xFFFF00, bits);
    EXPECT_EQ(raw(200, 55), yellow);
    EXPECT_EQ(raw(599, 55), yellow);
    EXPECT_NE(raw(600, 55), yellow);

    // Five units leave one red pixel; four leave none.
    rules().spendTime(rules().getTimeLeft() - 5);
    ASSERT_TRUE(drawOnly());
    EXPECT_EQ(raw(200, 55), stored(0xFF0000, bits));
    EXPECT_NE(raw(201, 55), stored(0xFF0000, bits));
    rules().spendTime(1);
    ASSERT_TRUE(drawOnly());
    EXPECT_NE(raw(200, 55), stored(0xFF0000, bits));
    EXPECT_EQ(raw(500, 55), beyond);
}

INSTANTIATE_TEST_SUITE_P(Depths, TimeBarTest, ::testing::Values(16, 32));

class GamePlayTest : public GameScreenTest {
protected:
    // Plays the prepared square and runs to the tick that finds it.
    void playSquare()
    {
        setKinds(hintlessRows);
        prepareSquare(rules());
        click(squareMoveX, squareMoveY);
        ASSERT_TRUE(rules().isMoving());
        for (int i = 0; i < 10 && !rules().isRemoving(); ++i)
            ASSERT_TRUE(frame());
        ASSERT_TRUE(rules().isRemoving());
    }
    NumberDisplay& popup() { return *static_cast<NumberDisplay*>(game().getChild(GameScreen::PointsPopup)); }
    GameOverPanel* panel() { return dynamic_cast<GameOverPanel*>(game().getPanel()); }
    void endGame(int score)
    {
        rules().addScore(score);
        leaveOneUnit();
        ASSERT_TRUE(frame());
        ASSERT_FALSE(rules().isGameRunning());
        ASSERT_NE(panel(), nullptr);
        ASSERT_TRUE(drawOnly());
    }
    void clickOk()
    {
        Widget* ok = panel()->getChild(GameOverPanel::OkButton);
        click(GameScreen::panelX + ok->getX() + 5, GameScreen::panelY + ok->getY() + 5);
    }
};

TEST_F(GamePlayTest, AClearingShowsOutlinesAndARisingPopupOverTheSquare)
{
    startGame();
    playSquare();
    // The popup is centred over the box round the marked blocks, (250, 190), shows the scan's
    // points and has risen once in the tick that showed it; the counters show the new score
    // and chain.
    EXPECT_EQ(popup().getAlpha(), Widget::opaqueAlpha);
    EXPECT_EQ(popup().getBoundLeft(), 150);
    EXPECT_EQ(popup().getBoundRight(), 350);
    EXPECT_EQ(popup().getY(), 185);
    EXPECT_EQ(popup().getValue(), rules().getLastPoints());
    EXPECT_GT(rules().getLastPoints(), 0);
    auto counter = [this](int index) { return static_cast<NumberDisplay*>(game().getChild(index))->getValue(); };
    EXPECT_EQ(counter(GameScreen::ScoreDisplay), rules().getScore());
    EXPECT_EQ(counter(GameScreen::ChainDisplay), 1);

    // The outline joins the centres of the corners: (190,130), (310,130), (310,250), (190,250).
    move(400, 20);
    ASSERT_TRUE(drawOnly());
    const auto outline = static_cast<std::uint32_t>(rules().getOutlineColour());
    EXPECT_EQ(colourAt(220, 130), outline);
    EXPECT_EQ(colourAt(310, 160), outline);
    EXPECT_EQ(colourAt(220, 250), outline);
    EXPECT_EQ(colourAt(190, 160), outline);
    screenshot("game-clearing");

    ASSERT_TRUE(frame());
    EXPECT_EQ(popup().getY(), 180);
    for (int i = 0; i < 20 && rules().isRemoving(); ++i)
        ASSERT_TRUE(frame());
    // Five clearing frames: the popup was drawn 5 to 25 pixels above its start, then hidden.
    EXPECT_EQ(popup().getAlpha(), 0);
    EXPECT_EQ(popup().getY(), 190 - 25);
    EXPECT_EQ(rules().getSquareList().getCount(), 0);
}

TEST_F(GamePlayTest, TheSpecialBlockBlinksBetweenTheFirstTwoFramesOfItsColour)
{
    startGame();
    Block* special = rules().getSpecialBlock();
    blinkPhase = false;
    ASSERT_TRUE(frame());
    EXPECT_FALSE(blinkPhase);  // hidden: nothing blinks

    special->setAlpha(Widget::opaqueAlpha);
    special->setKind(4);
    const int first = (4 - Block::firstColourKind) * special->getFramesPerKind();
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(frame());
        seen.push_back(special->getFrame());
    }
    EXPECT_EQ(seen, (std::vector<int>{first + 1, first, first + 1, first}));
    ASSERT_TRUE(drawOnly());
}

TEST_F(GamePlayTest, TimeRunningOutDuringAClearingFreezesTheScreenUnderThePanel)
{
    startGame();
    playSquare();
    leaveOneUnit();
    ASSERT_TRUE(frame());
    ASSERT_FALSE(rules().isGameRunning());
    ASSERT_NE(panel(), nullptr);
    EXPECT_EQ(rules().getTimeLeft(), 0);
    EXPECT_TRUE(rules().isRemoving());

    ASSERT_TRUE(drawOnly());
    const auto frozen = region(0, 0, 800, 600);
    const std::string kindsBefore = kinds();
    const int popupY = popup().getY();
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(frame());
    EXPECT_EQ(region(0, 0, 800, 600), frozen);
    EXPECT_EQ(kinds(), kindsBefore);
    EXPECT_EQ(popup().getY(), popupY);
    EXPECT_EQ(popup().getAlpha(), Widget::opaqueAlpha);
    EXPECT_TRUE(rules().isRemoving());
    // The panel's box lies on top: its fill and its orange border.
    EXPECT_EQ(colourAt(210, 300), 0x000022u);
    EXPECT_EQ(colourAt(400, 220), 0xFF9900u);
    screenshot("game-over-during-clearing");

    // Clicks on the field and the hint key now go to the panel only.
    click(220, 160);
    keyDown(32);
    EXPECT_FALSE(rules().isMoving());
    EXPECT_EQ(rules().getHintList().getCount(), 0);
}

TEST_F(GamePlayTest, AQualifyingScoreTakesANameAndOkStoresItAndReturnsToTheMenu)
{
    startGame();
    HighScoreTable::qualifies(0);  // a stored table: the defaults
    endGame(600000);
    ASSERT_TRUE(panel()->getIsHighScore());
    TextField* field = panel()->getNameField();
    ASSERT_NE(field, nullptr);
    const auto empty = region(250, 376, 550, 392);
    type("Ann");
    EXPECT_STREQ(field->getTextBuffer(), "Ann");
    ASSERT_TRUE(drawOnly());
    EXPECT_NE(region(250, 376, 550, 392), empty);
    screenshot("game-over-high-score");

    clickOk();
    EXPECT_EQ(host().getFrame(), ScreenHost::MainMenuNumber);
    EXPECT_NE(dynamic_cast<MainMenu*>(host().getChild(0)), nullptr);
    EXPECT_EQ(currentGame(), nullptr);
    // The final score went into the table under the typed name.
    EXPECT_EQ(storedText(app(), "name3"), "Ann");
    EXPECT_EQ(storedNumber(app(), "score3"), 600000u);
    EXPECT_TRUE(frame());
}

}  // namespace
}  // namespace game_test

// The game screen's mouse and keys, driven through the application's window procedure.
#include "GameScreenFixture.h"

#include "platform/sdl/SdlPlatform.h"

namespace game_test {
namespace {

// Where the blocks of the four cells of a group stand.
struct GroupBlocks {
    Block* topLeft;
    Block* topRight;
    Block* bottomLeft;
    Block* bottomRight;
};

class GameInputTest : public GameScreenTest {
protected:
    GroupBlocks group(int cx, int cy)
    {
        return {rules().getCell(cx, cy), rules().getCell(cx + 1, cy), rules().getCell(cx, cy + 1),
                rules().getCell(cx + 1, cy + 1)};
    }
    static bool at(Block* block, int cx, int cy)
    {
        return block->getX() == BoardRules::cellX(cx) && block->getY() == BoardRules::cellY(cy);
    }
};

TEST_F(GameInputTest, PointerFramesTheGroupWhoseCentresSurroundIt)
{
    startGame();
    const int gapX = 220;  // between the blocks of columns 0 and 1, on the frame's top edge
    const int topEdge = BoardRules::cellY(0);
    ASSERT_TRUE(drawOnly());
    const std::uint32_t bare = colourAt(gapX, topEdge);
    ASSERT_NE(bare, 0xFFFFFFu);

    move(220, 160);
    EXPECT_EQ(game().getHoverX(), 0);
    EXPECT_EQ(game().getHoverY(), 0);
    ASSERT_TRUE(drawOnly());
    // The frame runs round the outer edges of the four blocks: (175, 115) to (265, 205).
    EXPECT_EQ(colourAt(gapX, topEdge), 0xFFFFFFu);
    EXPECT_EQ(colourAt(175, 160), 0xFFFFFFu);
    EXPECT_EQ(colourAt(265, 160), 0xFFFFFFu);
    EXPECT_EQ(colourAt(220, 205), 0xFFFFFFu);
    screenshot("game-at-rest");

    // Half a cell inside the field's edge is over no group; the last group starts at column 6.
    move(180, 160);
    EXPECT_EQ(game().getHoverX(), -1);
    ASSERT_TRUE(drawOnly());
    EXPECT_EQ(colourAt(gapX, topEdge), bare);
    move(609, 549);
    EXPECT_EQ(game().getHoverX(), 6);
    EXPECT_EQ(game().getHoverY(), 6);
    move(610, 160);
    EXPECT_EQ(game().getHoverX(), 7);
    ASSERT_TRUE(drawOnly());
    EXPECT_EQ(colourAt(gapX, topEdge), bare);

    // A click there turns nothing and costs nothing.
    const std::string before = kinds();
    const int time = rules().getTimeLeft();
    click(180, 160);
    click(180, 160, 2);
    EXPECT_FALSE(rules().isMoving());
    EXPECT_EQ(kinds(), before);
    EXPECT_EQ(rules().getTimeLeft(), time);
}

TEST_F(GameInputTest, TheFieldIsDealtFromTheTimeOfDay)
{
    startGame(777);
    const std::string dealt = kinds();
    delete rootWidget;
    startGame(777);
    EXPECT_EQ(kinds(), dealt);
    delete rootWidget;
    startGame(778);
    EXPECT_NE(kinds(), dealt);
}

TEST_F(GameInputTest, LeftClickTurnsCounterClockwiseRightClickClockwise)
{
    startGame();
    setKinds(hintlessRows);
    ASSERT_TRUE(frame());
    // The look of the top-right block before it moves.
    const std::vector<std::uint32_t> topRightLook = blockInside(BoardRules::cellX(1), BoardRules::cellY(0));

    GroupBlocks g = group(0, 0);
    const int time = rules().getTimeLeft();
    click(220, 160);
    EXPECT_EQ(rules().getTimeLeft(), time - BoardRules::timePerPixel);  // one move at level 1
    // Each block slides 20 pixels a tick: top right left, top left down, bottom left right,
    // bottom right up.
    ASSERT_TRUE(frame());
    EXPECT_EQ(g.topRight->getX(), BoardRules::cellX(1) - 20);
    EXPECT_EQ(g.topLeft->getY(), BoardRules::cellY(0) + 20);
    EXPECT_EQ(g.bottomLeft->getX(), BoardRules::cellX(0) + 20);
    EXPECT_EQ(g.bottomRight->getY(), BoardRules::cellY(1) - 20);
    frames(2);
    EXPECT_TRUE(at(g.topRight, 0, 0));
    EXPECT_TRUE(at(g.topLeft, 0, 1));
    EXPECT_TRUE(at(g.bottomLeft, 1, 1));
    EXPECT_TRUE(at(g.bottomRight, 1, 0));
    EXPECT_EQ(rules().getCell(0, 0), g.topRight);
    // What the player sees: the former top-right block now stands in the top-left cell.
    move(400, 20);  // the frame off the field
    ASSERT_TRUE(drawOnly());
    EXPECT_EQ(blockInside(BoardRules::cellX(0), BoardRules::cellY(0)), topRightLook);

    frames(2);
    ASSERT_TRUE(rules().isIdle());
    g = group(2, 3);
    click(2 * 60 + 220, 3 * 60 + 160, 2);
    frames(3);
    EXPECT_TRUE(at(g.topLeft, 3, 3));
    EXPECT_TRUE(at(g.topRight, 3, 4));
    EXPECT_TRUE(at(g.bottomRight, 2, 4));
    EXPECT_TRUE(at(g.bottomLeft, 2, 3));
}

TEST_F(GameInputTest, BothButtonsOrTheMiddleButtonMoveNothing)
{
    startGame();
    const std::string before = kinds();
    const int time = rules().getTimeLeft();
    for (int buttons : {3, 4, 5, 7}) {
        click(220, 160, buttons);
        EXPECT_FALSE(rules().isMoving()) << buttons;
    }
    EXPECT_EQ(kinds(), before);
    EXPECT_EQ(rules().getTimeLeft(), time);
}

TEST_F(GameInputTest, HoldingSpaceDrawsTheHintsInRedOnlyWhileHeld)
{
    startGame();
    setKinds(hintlessRows);
    const std::string before = kinds();
    ASSERT_TRUE(drawOnly());
    const auto field = region(160, 100, 640, 580);

    keyDown(32);
    EXPECT_EQ(rules().getHintList().getCount(), 0);
    ASSERT_TRUE(drawOnly());
    EXPECT_EQ(region(160, 100, 640, 580), field);
    keyUp(32);

    // Three corners of a square in kind 2 and the fourth one turn away: cell (0, 1) turns
    // counter-clockwise down into (0, 2).
    rules().getCell(2, 0)->setKind(2);
    rules().getCell(2, 2)->setKind(2);
    rules().getCell(0, 1)->setKind(2);
    const std::string withHint = kinds();
    ASSERT_TRUE(drawOnly());
    const auto fieldWithHint = region(160, 100, 640, 580);
    keyDown(32);
    keyDown(32);  // the key repeats while held
    ASSERT_GT(rules().getHintList().getCount(), 0);
    ASSERT_TRUE(drawOnly());
    const auto hinted = region(160, 100, 640, 580);
    int red = 0;
    for (std::size_t i = 0; i < hinted.size(); ++i) {
        if (hinted[i] != fieldWithHint[i]) {
            EXPECT_EQ(hinted[i], 0xFF0000u) << i;
            ++red;
        }
    }
    EXPECT_GT(red, 0);
    // The square (0,0)-(2,0)-(2,2)-(0,2) joins the centres of its corners.
    EXPECT_EQ(colourAt(220, 130), 0xFF0000u);
    EXPECT_EQ(colourAt(310, 220), 0xFF0000u);
    screenshot("game-hints");

    keyUp(32);
    ASSERT_TRUE(drawOnly());
    EXPECT_EQ(region(160, 100, 640, 580), fieldWithHint);
    EXPECT_EQ(kinds(), withHint);
    EXPECT_NE(kinds(), before);
}

TEST_F(GameInputTest, ButtonsHighlightAndAct)
{
    startGame();
    Widget* sound = game().getChild(GameScreen::SoundButton);
    ASSERT_TRUE(app().hasSound);
    EXPECT_EQ(sound->getFrame(), 0);
    move(670, 450);
    EXPECT_EQ(sound->getFrame(), 1);
    click(670, 450);
    EXPECT_FALSE(app().hasSound);
    EXPECT_EQ(sound->getFrame(), 2);
    move(671, 450);
    EXPECT_EQ(sound->getFrame(), 3);
    move(400, 300);
    EXPECT_EQ(sound->getFrame(), 2);
    click(670, 450);
    EXPECT_TRUE(app().hasSound);
    EXPECT_EQ(sound->getFrame(), 0);

    // The logo opens the maker's page and the game goes on.
    const int time = rules().getTimeLeft();
    click(700, 560);
    EXPECT_EQ(platform::sdl::lastOpenedAddress(headless.platform()), GameScreen::makerWebPage);
    EXPECT_EQ(currentGame(), &game());
    EXPECT_EQ(rules().getTimeLeft(), time);
    ASSERT_TRUE(frame());
}

TEST_F(GameInputTest, FullScreenButtonSwitchesAndTheGameDrawsOn)
{
    startGame();
    Widget* button = game().getChild(GameScreen::FullScreenButton);
    EXPECT_EQ(button->getFrame(), 0);
    click(690, 480);
    EXPECT_TRUE(app().fullScreen);
    EXPECT_EQ(button->getFrame(), 2);
    EXPECT_TRUE(frame());
    click(690, 480);
    EXPECT_FALSE(app().fullScreen);
    EXPECT_EQ(button->getFrame(), 0);
    EXPECT_TRUE(frame());
}

TEST_F(GameInputTest, ExitEndsTheProgramWithoutThePanel)
{
    startGame();
    click(690, 510);
    EXPECT_EQ(app().window, nullptr);
    ASSERT_NE(currentGame(), nullptr);
    EXPECT_EQ(game().getPanel(), nullptr);
    EXPECT_TRUE(rules().isGameRunning());
}

}  // namespace
}  // namespace game_test

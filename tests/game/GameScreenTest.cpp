// The game screen as the player meets it, driven through the application's window procedure:
// the mouse and keys, the time bar, a clearing with its outlines and popup, the blinking special
// block, and the end of the game with the panel over the frozen field.  Each game is dealt by
// the real screen host from a fixed time of day.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/GameScreen.h"
#include "game/Block.h"
#include "platform/sdl/SdlPlatform.h"
#include "screens/GameOverPanel.h"
#include "screens/HighScoreTable.h"
#include "screens/MainMenu.h"
#include "screens/TextField.h"
#include "support/FakePlatform.h"
#include "support/ScreenTest.h"
#include "ui/NumberDisplay.h"
#include "ui/ScreenHost.h"

namespace {

// A field without a single square where no single turn makes one either: kind (c + 3r) mod 8
// + 2 repeats only along steps whose square would leave the field.
const std::array<const char*, 8> hintlessRows = {
    "23456789", "56789234", "89234567", "34567892", "67892345", "92345678", "45678923", "78923456",
};

class GameScreenTest : public ScreenTestBase {
protected:
    explicit GameScreenTest(int bitsPerPixel = 32) : ScreenTestBase(bitsPerPixel) {}

    // The real host, switched to the game as the menu's start button does; the clock reads
    // `seconds` while the game is dealt.
    GameScreen& startGame(std::int64_t seconds = 12345)
    {
        rootWidget = hostWidget = new ScreenHost(nullptr, 0, 0);
        // The game deals from the time of day: a platform double's clock reads `seconds` while it is built.
        FakePlatform clock;
        clock.secondsOfDay = seconds;
        platform::Platform* real = app().instance;
        app().instance = &clock;
        hostWidget->setFrame(ScreenHost::GameScreenNumber);
        app().instance = real;
        return game();
    }
    ScreenHost& host() { return *hostWidget; }
    // The current game screen, or null when the host shows something else.
    GameScreen* currentGame() { return hostWidget ? dynamic_cast<GameScreen*>(hostWidget->getChild(0)) : nullptr; }
    GameScreen& game() { return *currentGame(); }
    BoardRules& rules() { return game().getRules(); }

    // Sets the field's kinds from eight rows ('2'..'9' a colour, 'W' WildKind).
    void setKinds(const std::array<const char*, 8>& rows)
    {
        for (int cy = 0; cy < BoardRules::gridHeight; ++cy) {
            for (int cx = 0; cx < BoardRules::gridWidth; ++cx)
                rules().getCell(cx, cy)->setKind(rows[cy][cx] == 'W' ? Block::WildKind : rows[cy][cx] - '0');
        }
    }
    // The hintless field with three corners of a square in kind 2 and the fourth one turn away:
    // a counter-clockwise turn of group (0, 1) brings (0, 1) down into (0, 2), the fourth corner
    // of (0,0)-(2,0)-(2,2).
    void prepareSquare()
    {
        setKinds(hintlessRows);
        for (auto [cx, cy] : {std::pair{2, 0}, {2, 2}, {0, 1}})
            rules().getCell(cx, cy)->setKind(2);
    }
    std::string kinds()
    {
        std::string text;
        for (int j = 0; j < BoardRules::cellCount; ++j)
            text += static_cast<char>('0' + rules().getCell(j)->getKind());
        return text;
    }

    void frames(int n)
    {
        for (int i = 0; i < n; ++i)
            ASSERT_TRUE(frame());
    }

    // Plays out the rest of the time, so that the next tick ends the game.
    void leaveOneUnit() { rules().spendTime(rules().getTimeLeft() - 1); }

    // The inside of a block's picture at (x, y), one pixel in from each edge.
    std::vector<std::uint32_t> blockInside(int x, int y) { return region(x + 1, y + 1, x + 29, y + 29); }

    ScreenHost* hostWidget = nullptr;
};

class GameInputTest : public GameScreenTest {
protected:
    // The blocks of the group at (cx, cy): top left, top right, bottom left, bottom right.
    std::array<Block*, 4> group(int cx, int cy)
    {
        return {rules().getCell(cx, cy), rules().getCell(cx + 1, cy), rules().getCell(cx, cy + 1),
                rules().getCell(cx + 1, cy + 1)};
    }
    // The cells those blocks stand on, "cx,cy" each ("?" off a cell's rest position).
    static std::string cells(const std::array<Block*, 4>& blocks)
    {
        std::string text;
        for (Block* b : blocks) {
            const int x = b->getX() - BoardRules::cellX(0), y = b->getY() - BoardRules::cellY(0);
            text += x % 60 || y % 60 ? "? " : std::to_string(x / 60) + "," + std::to_string(y / 60) + " ";
        }
        return text;
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

    // A click there turns nothing and costs nothing; nor do both buttons or the middle one on a group.
    const std::string before = kinds();
    const int time = rules().getTimeLeft();
    for (auto [x, buttons] : {std::pair{180, 1}, {180, 2}, {220, 3}, {220, 4}, {220, 5}, {220, 7}}) {
        click(x, 160, buttons);
        EXPECT_FALSE(rules().isMoving()) << buttons;
    }
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

    auto g = group(0, 0);
    const int time = rules().getTimeLeft();
    click(220, 160);
    EXPECT_EQ(rules().getTimeLeft(), time - BoardRules::timePerPixel);  // one move at level 1
    // Each block slides 20 pixels a tick: top left down, top right left, bottom left right,
    // bottom right up.
    ASSERT_TRUE(frame());
    EXPECT_EQ(g[0]->getY(), BoardRules::cellY(0) + 20);
    EXPECT_EQ(g[1]->getX(), BoardRules::cellX(1) - 20);
    EXPECT_EQ(g[2]->getX(), BoardRules::cellX(0) + 20);
    EXPECT_EQ(g[3]->getY(), BoardRules::cellY(1) - 20);
    frames(2);
    EXPECT_EQ(cells(g), "0,1 0,0 1,1 1,0 ");
    EXPECT_EQ(rules().getCell(0, 0), g[1]);
    // What the player sees: the former top-right block now stands in the top-left cell.
    move(400, 20);  // the frame off the field
    ASSERT_TRUE(drawOnly());
    EXPECT_EQ(blockInside(BoardRules::cellX(0), BoardRules::cellY(0)), topRightLook);

    frames(2);
    ASSERT_TRUE(rules().isIdle());
    g = group(2, 3);
    click(2 * 60 + 220, 3 * 60 + 160, 2);
    frames(3);
    EXPECT_EQ(cells(g), "3,3 3,4 2,3 2,4 ");
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

    prepareSquare();
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

    // The window button switches to full screen and back, and the game draws on.
    Widget* window = game().getChild(GameScreen::FullScreenButton);
    for (bool full : {true, false}) {
        click(690, 480);
        EXPECT_EQ(app().fullScreen, full);
        EXPECT_EQ(window->getFrame(), full ? 2 : 0);
        EXPECT_TRUE(frame());
    }
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

// The colour a 0x00RRGGBB colour is stored as in a back surface of `bits`.
std::uint32_t stored(std::uint32_t c, int bits)
{
    return bits != 16 ? c : ((c >> 19 & 0x1F) << 11) | ((c >> 10 & 0x3F) << 5) | (c >> 3 & 0x1F);
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
        prepareSquare();
        click(220, 220);
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

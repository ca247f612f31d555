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
#include "startup/GameScreens.h"
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
    // The real host, switched to the game as the menu's start button does, dealt from a fixed
    // time of day.
    GameScreen& startGame()
    {
        rootWidget = hostWidget = new ScreenHost(nullptr, 0, 0, makeGameScreen);
        // The game deals from the time of day: a platform double's clock reads `seconds` while it is built.
        FakePlatform clock;
        clock.secondsOfDay = 12345;
        platform::Platform* real = app().instance;
        app().instance = &clock;
        hostWidget->setFrame(ScreenHost::GameScreenNumber);
        app().instance = real;
        return game();
    }
    // The current game screen, or null when the host shows something else.
    GameScreen* currentGame() { return hostWidget ? dynamic_cast<GameScreen*>(hostWidget->getChild(0)) : nullptr; }
    GameScreen& game() { return *currentGame(); }
    BoardRules& rules() { return game().getRules(); }
    std::pair<int, int> hover() { return {game().getHoverX(), game().getHoverY()}; }
    // Runs frames until the turn that was just made finds its square.
    void runToClearing()
    {
        for (int i = 0; i < 10 && !rules().isRemoving(); ++i)
            ASSERT_TRUE(frame());
        ASSERT_TRUE(rules().isRemoving());
    }

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

    // Plays out the rest of the time, so that the next tick ends the game.
    void leaveOneUnit() { rules().spendTime(rules().getTimeLeft() - 1); }

    ScreenHost* hostWidget = nullptr;
};

using GameInputTest = GameScreenTest;

TEST_F(GameInputTest, PointerFramesTheGroupWhoseCentresSurroundIt)
{
    startGame();
    const int topEdge = BoardRules::cellY(0);
    ASSERT_TRUE(drawOnly());
    ASSERT_NE(colourAt(220, topEdge), 0xFFFFFFu);  // between the blocks of columns 0 and 1

    move(220, 160);
    EXPECT_EQ(hover(), std::pair(0, 0));
    ASSERT_TRUE(drawOnly());
    // The frame runs round the outer edges of the four blocks: (175, 115) to (265, 205).
    for (auto [x, y] : {std::pair{220, topEdge}, {175, 160}, {265, 160}, {220, 205}})
        EXPECT_EQ(colourAt(x, y), 0xFFFFFFu) << x << "," << y;
    screenshot("game-at-rest");

    // Half a cell inside the field's edge is over no group; the last group starts at column 6.
    for (auto [px, py, hx, hy] : {std::array{180, 160, -1, 0}, {609, 549, 6, 6}, {610, 160, 7, 0}}) {
        move(px, py);
        EXPECT_EQ(hover(), std::pair(hx, hy));
    }
    // Right of the last group the field looks as with the pointer off it: no frame.
    ASSERT_TRUE(drawOnly());
    const auto rightOfLastGroup = region(400, 100, 800, 560);
    move(180, 160);
    ASSERT_TRUE(drawOnly());
    EXPECT_EQ(region(400, 100, 800, 560), rightOfLastGroup);

    // A click beside the groups turns nothing and costs nothing; nor do both buttons or the middle
    // one on a group.
    const std::string before = kinds();
    const int time = rules().getTimeLeft();
    for (auto [x, buttons] : {std::pair{180, 1}, {180, 2}, {220, 3}, {220, 4}, {220, 5}, {220, 7}}) {
        click(x, 160, buttons);
        EXPECT_FALSE(rules().isMoving()) << buttons;
    }
    EXPECT_EQ(kinds(), before);
    EXPECT_EQ(rules().getTimeLeft(), time);
}

TEST_F(GameInputTest, HoldingSpaceDrawsTheHintsInRedOnlyWhileHeld)
{
    startGame();
    setKinds(hintlessRows);
    keyDown(32);
    EXPECT_EQ(rules().getHintList().getCount(), 0);
    keyUp(32);
    prepareSquare();
    const std::string withHint = kinds();
    ASSERT_TRUE(drawOnly());
    const auto fieldWithHint = region(160, 100, 640, 580);
    keyDown(32);
    keyDown(32);  // the key repeats while held
    ASSERT_GT(rules().getHintList().getCount(), 0);
    ASSERT_TRUE(drawOnly());
    // The square (0,0)-(2,0)-(2,2)-(0,2) joins the centres of its corners.
    EXPECT_EQ(colourAt(220, 130), 0xFF0000u);
    EXPECT_EQ(colourAt(310, 220), 0xFF0000u);
    screenshot("game-hints");

    keyUp(32);
    ASSERT_TRUE(drawOnly());
    EXPECT_EQ(region(160, 100, 640, 580), fieldWithHint);
    EXPECT_EQ(kinds(), withHint);

    // A game controller's X and Y hold the hints as the space bar does.
    for (int padKey : {platform::vk::PadX, platform::vk::PadY}) {
        keyDown(padKey);
        EXPECT_GT(rules().getHintList().getCount(), 0) << padKey;
        keyUp(padKey);
        EXPECT_EQ(rules().getHintList().getCount(), 0) << padKey;
    }
}

TEST_F(GameInputTest, ButtonsHighlightAndAct)
{
    startGame();
    Widget* sound = game().getChild(GameScreen::SoundButton);
    ASSERT_TRUE(app().hasSound);
    EXPECT_EQ(sound->getFrame(), 0);
    // Pointed at, clicked off, pointed at while off, left, clicked on again.
    for (auto [x, y, clicked, shown, on] : {std::tuple{670, 450, false, 1, true},
                                            {670, 450, true, 2, false},
                                            {671, 450, false, 3, false},
                                            {400, 300, false, 2, false},
                                            {670, 450, true, 0, true}}) {
        clicked ? click(x, y) : move(x, y);
        EXPECT_EQ(sound->getFrame(), shown) << x << "," << y;
        EXPECT_EQ(app().hasSound, on);
    }

    // The logo opens the maker's page and the game goes on.
    click(700, 560);
    EXPECT_EQ(platform::sdl::lastOpenedAddress(headless.platform()), GameScreen::makerWebPage);
    EXPECT_EQ(currentGame(), &game());
    ASSERT_TRUE(frame());

    // The window button switches to full screen and back, and the game draws on.
    Widget* window = game().getChild(GameScreen::FullScreenButton);
    for (bool full : {true, false}) {
        click(690, 480);
        EXPECT_EQ(app().fullScreen, full);
        EXPECT_EQ(window->getFrame(), full ? 2 : 0);
        EXPECT_TRUE(frame());
    }
    // Full screen left by the system (a browser's Escape): the switch shows it at the next tick.
    click(690, 480);
    headless.send(platform::MessageKind::FullScreenLeft);
    EXPECT_FALSE(app().fullScreen);
    EXPECT_TRUE(frame());
    EXPECT_EQ(window->getFrame(), 0);
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

// The keys: the arrows bring the frame to the middle, then walk it a group at a time and stop
// at the field's edges; Q turns the framed group counter-clockwise, E clockwise, as the mouse's
// buttons do, and Tab with Enter reaches the buttons.
TEST_F(GameInputTest, KeysWalkTheFrameAndTurnItBothWays)
{
    namespace vk = platform::vk;
    startGame();
    keyDown(vk::Down);
    EXPECT_EQ(hover(), std::pair(3, 3));
    for (int i = 0; i < 5; ++i)
        keyDown(vk::Right);
    keyDown(vk::Up);
    EXPECT_EQ(hover(), std::pair(6, 2));
    for (int i = 0; i < 8; ++i)
        keyDown(vk::Left);
    keyDown(vk::Down);
    keyDown(vk::Up);
    keyDown(vk::Down);
    EXPECT_EQ(hover(), std::pair(0, 3));
    // The pointer moved with the frame: the frame is drawn round the keys' group.
    ASSERT_TRUE(drawOnly());
    EXPECT_EQ(colourAt(175, BoardRules::cellY(3) + 30), 0xFFFFFFu);

    // The clockwise turn of group (0, 1) makes no square; the counter-clockwise one does.
    prepareSquare();
    keyDown(vk::Up);
    keyDown(vk::Up);
    keyDown(vk::LetterA + 'E' - 'A');
    ASSERT_TRUE(rules().isMoving());
    for (int i = 0; i < 10 && rules().isMoving(); ++i)
        ASSERT_TRUE(frame());
    EXPECT_FALSE(rules().isRemoving());
    prepareSquare();
    keyDown(vk::LetterA + 'Q' - 'A');
    runToClearing();

    // Tab walks onto the sound switch (the frame leaves the field), Enter presses it; an arrow
    // brings the frame back and takes the highlight off.
    keyDown(vk::Tab);
    Widget* sound = game().getChild(GameScreen::SoundButton);
    EXPECT_EQ(sound->getFrame(), 1);
    EXPECT_EQ(game().getHoverX(), 8);
    keyDown(vk::Enter);
    EXPECT_FALSE(app().hasSound);
    keyDown(vk::Left);
    EXPECT_EQ(sound->getFrame(), 2);
    EXPECT_EQ(hover(), std::pair(3, 3));
}

// A finger turns the group where it came down, both ways, even after sliding over the field;
// one that left the field on its way, or came down off it, turns nothing.  The mouse may
// leave and come back.
TEST_F(GameInputTest, AFingerThatLeftTheFieldTurnsNothing)
{
    using platform::MessageKind;
    constexpr int touch = platform::pointer::touch;
    constexpr int begins = platform::pointer::touchBegins;
    startGame();
    auto finger = [this](std::initializer_list<std::pair<int, int>> path, int button) {
        bool first = true;
        for (auto [px, py] : path) {
            headless.send(MessageKind::MouseMove, first ? touch | begins : touch, px, py);
            first = false;
        }
        headless.send(MessageKind::ButtonDown, button | touch, path.begin()->first, path.begin()->second);
    };
    auto settle = [this] {
        for (int i = 0; i < 30 && (rules().isMoving() || rules().isRemoving()); ++i)
            ASSERT_TRUE(frame());
    };
    // The controls panel tells how a finger plays once one is on the game, and the mouse's
    // tells again once the mouse moves.
    Widget& touchPanel = *game().getChild(GameScreen::TouchControls);
    EXPECT_EQ(touchPanel.getAlpha(), 0);
    ASSERT_TRUE(drawOnly());
    const auto mousePanel = region(20, 280, 140, 420);
    const std::string dealt = kinds();
    finger({{220, 220}, {100, 220}, {220, 220}}, 1);
    EXPECT_EQ(touchPanel.getAlpha(), Widget::opaqueAlpha);
    ASSERT_TRUE(drawOnly());
    EXPECT_NE(region(20, 280, 140, 420), mousePanel);
    screenshot("game-by-touch");
    finger({{220, 220}, {220, 590}}, 2);
    finger({{150, 220}, {220, 220}}, 1);
    EXPECT_EQ(kinds(), dealt);
    EXPECT_FALSE(rules().isMoving());

    finger({{220, 220}, {400, 400}}, 2);
    EXPECT_TRUE(rules().isMoving());
    settle();
    prepareSquare();
    finger({{220, 220}}, 1);
    runToClearing();
    settle();

    const std::string before = kinds();
    move(100, 220);
    EXPECT_EQ(touchPanel.getAlpha(), 0);
    click(220, 220);
    EXPECT_TRUE(rules().isMoving());
    EXPECT_NE(kinds(), before);
}

using TimeBarTest = GameScreenTest;

TEST_F(TimeBarTest, WidthAndColourFollowTheTimeLeft)
{
    // Full: 2000 units, 400 pixels, yellow; five units leave one red pixel.
    startGame();
    rules().addTime(2000);
    ASSERT_TRUE(drawOnly());
    EXPECT_EQ(colourAt(599, 55), 0xFFFF00u);
    EXPECT_NE(colourAt(600, 55), 0xFFFF00u);
    rules().spendTime(rules().getTimeLeft() - 5);
    ASSERT_TRUE(drawOnly());
    EXPECT_EQ(colourAt(200, 55), 0xFF0000u);
    EXPECT_NE(colourAt(201, 55), 0xFF0000u);
}

class GamePlayTest : public GameScreenTest {
protected:
    // Plays the prepared square and runs to the tick that finds it.
    void playSquare()
    {
        prepareSquare();
        click(220, 220);
        ASSERT_TRUE(rules().isMoving());
        runToClearing();
    }
    NumberDisplay& popup() { return *static_cast<NumberDisplay*>(game().getChild(GameScreen::PointsPopup)); }
    GameOverPanel* panel() { return dynamic_cast<GameOverPanel*>(game().getPanel()); }
};

TEST_F(GamePlayTest, AClearingShowsOutlinesAndARisingPopupOverTheSquare)
{
    startGame();
    playSquare();
    // The popup is centred over the box round the marked blocks, (250, 190), shows the scan's
    // points and has risen once in the tick that showed it; the counters show the new score
    // and chain.
    EXPECT_EQ(popup().getAlpha(), Widget::opaqueAlpha);
    EXPECT_EQ((std::array{popup().getBoundLeft(), popup().getBoundRight(), popup().getY()}),
              (std::array{150, 350, 185}));
    EXPECT_EQ(popup().getValue(), rules().getLastPoints());
    EXPECT_GT(rules().getLastPoints(), 0);
    auto counter = [this](int index) { return static_cast<NumberDisplay*>(game().getChild(index))->getValue(); };
    EXPECT_EQ(counter(GameScreen::ScoreDisplay), rules().getScore());
    EXPECT_EQ(counter(GameScreen::ChainDisplay), 1);

    // The outline joins the centres of the corners: (190,130), (310,130), (310,250), (190,250).
    move(400, 20);
    ASSERT_TRUE(drawOnly());
    const auto outline = static_cast<std::uint32_t>(rules().getOutlineColour());
    for (auto [x, y] : {std::pair{220, 130}, {310, 160}, {220, 250}, {190, 160}})
        EXPECT_EQ(colourAt(x, y), outline) << x << "," << y;
    screenshot("game-clearing");
    // The popup's digits are drawn through their colour key: round the strokes the field
    // shows as before, with no black box.
    const auto withPopup = region(150, 185, 350, 205);
    popup().setAlpha(0);
    ASSERT_TRUE(drawOnly());
    const auto beneath = region(150, 185, 350, 205);
    popup().setAlpha(Widget::opaqueAlpha);
    int changed = 0, black = 0;
    for (size_t i = 0; i < beneath.size(); ++i) {
        changed += withPopup[i] != beneath[i];
        black += withPopup[i] != beneath[i] && withPopup[i] == 0;
    }
    EXPECT_GT(changed, 0);
    EXPECT_EQ(black, 0);

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

}  // namespace

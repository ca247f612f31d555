// The menu, its boxes and the end-of-game panel walked with the keys or a pad: the highlight
// moves as the pointer's hover shows it, Enter presses, Escape leaves a box by its OK.
#include "ScreenTestSupport.h"
#include "platform/sdl/SdlPlatform.h"
#include "screens/GameOverPanel.h"
#include "screens/OptionsScreen.h"
#include "ui/ButtonWalk.h"

namespace screens_test {
namespace {

namespace vk = platform::vk;

TEST(ButtonWalkOrder, StepsWrapRoundAndStartAtEitherEnd)
{
    using Step = ButtonWalk::Step;
    EXPECT_EQ(ButtonWalk::target(-1, 5, Step::Next), 0);
    EXPECT_EQ(ButtonWalk::target(-1, 5, Step::Previous), 4);
    EXPECT_EQ(ButtonWalk::target(3, 5, Step::Next), 4);
    EXPECT_EQ(ButtonWalk::target(4, 5, Step::Next), 0);
    EXPECT_EQ(ButtonWalk::target(0, 5, Step::Previous), 4);
    EXPECT_EQ(ButtonWalk::target(2, 5, Step::Previous), 1);
    EXPECT_EQ(ButtonWalk::target(0, 0, Step::Next), -1);
    for (int key : {vk::Up, vk::Left})
        EXPECT_EQ(ButtonWalk::stepOfKey(key), Step::Previous);
    for (int key : {vk::Down, vk::Right, vk::Tab})
        EXPECT_EQ(ButtonWalk::stepOfKey(key), Step::Next);
    for (int key : {vk::Enter, vk::PadA})
        EXPECT_EQ(ButtonWalk::stepOfKey(key), Step::Press);
    for (int key : {vk::Escape, vk::PadB})
        EXPECT_EQ(ButtonWalk::stepOfKey(key), Step::Leave);
    for (int key : {vk::Space, vk::PadX, 0, vk::LetterA + 'Q' - 'A'})
        EXPECT_EQ(ButtonWalk::stepOfKey(key), Step::None);
}

TEST_F(MenuTest, TheKeysWalkTheMenuAndItsBoxesAndPressWithEnter)
{
    openMenu();
    keyDown(vk::Enter);  // nothing highlighted: the first press shows where the walk starts
    EXPECT_EQ(buttonFrames(), "10000");
    keyDown(vk::Up);
    EXPECT_EQ(buttonFrames(), "00001");
    keyDown(vk::Tab);
    keyDown(vk::Down);
    keyDown(vk::Right);
    EXPECT_EQ(buttonFrames(), "00100");
    ASSERT_TRUE(frame());
    screenshot("menu-walked-to-options");

    // Options: Tab onto the sound switch, Enter flips it, Escape leaves as OK does.
    keyDown(vk::Enter);
    ASSERT_NE(dynamic_cast<OptionsScreen*>(panel()), nullptr);
    ASSERT_TRUE(app().hasSound);
    keyDown(vk::Tab);
    EXPECT_EQ(panel()->getChild(OptionsScreen::SoundToggle)->getFrame(), 1);
    keyDown(vk::PadA);
    EXPECT_FALSE(app().hasSound);
    keyDown(vk::Escape);
    EXPECT_EQ(panel(), nullptr);

    // The walk goes on from the button under the box's OK; the high-score box: reset, then
    // OK, in that order; pad B leaves.
    keyDown(vk::Up);
    EXPECT_EQ(buttonFrames(), "01000");
    keyDown(vk::Enter);
    ASSERT_NE(panel(), nullptr);
    keyDown(vk::Right);
    EXPECT_EQ(panel()->getChild(1)->getFrame(), 1);  // reset
    keyDown(vk::Right);
    EXPECT_EQ(panel()->getChild(0)->getFrame(), 1);  // OK
    keyDown(vk::PadB);
    EXPECT_EQ(panel(), nullptr);

    // What is lit after a box goes is where the walk goes on from: here nothing.  Escape on the
    // menu itself leaves nothing; Enter on Start starts the game.
    EXPECT_EQ(buttonFrames(), "00000");
    keyDown(vk::Escape);
    EXPECT_TRUE(menuShown());
    keyDown(vk::Down);
    EXPECT_EQ(buttonFrames(), "10000");
    keyDown(vk::Enter);
    EXPECT_EQ(host().getFrame(), ScreenHost::GameScreenNumber);
}

// The name field asks for the on-screen keyboard while it is there.
TEST_F(ScreenTest, EnterOrEscapeOnTheEndPanelConfirmsTheNameTheArrowsStayInIt)
{
    Widget owner(nullptr, 0, 0, nullptr);
    EXPECT_FALSE(platform::sdl::isTextEntryShown(headless.platform()));
    auto panel = std::make_unique<GameOverPanel>(&owner, 200, 220, 400, 260, 0x000022, 0xFF9900, 2, 70000);
    EXPECT_TRUE(platform::sdl::isTextEntryShown(headless.platform()));
    rootWidget = panel.get();
    type("Bo");
    keyDown(vk::Left);  // the caret, not the highlight
    type("e");
    keyDown(vk::Enter);
    EXPECT_EQ(storedTable(), defaultsWith(5, "Beo 70000"));

    // Without a name to type the arrows walk onto OK, and Escape confirms.
    panel = std::make_unique<GameOverPanel>(&owner, 200, 220, 400, 260, 0x000022, 0xFF9900, 2, 1);
    EXPECT_FALSE(platform::sdl::isTextEntryShown(headless.platform()));
    rootWidget = panel.get();
    keyDown(vk::Down);
    EXPECT_EQ(panel->getChild(GameOverPanel::OkButton)->getFrame(), 1);
    keyDown(vk::Escape);
    EXPECT_EQ(storedTable(), defaultsWith(5, "Beo 70000"));
    rootWidget = nullptr;
}

}  // namespace
}  // namespace screens_test

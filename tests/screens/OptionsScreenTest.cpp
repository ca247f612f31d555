#include "ScreenTestSupport.h"
#include "screens/OptionsScreen.h"

namespace screens_test {
namespace {

class OptionsTest : public MenuTest {
protected:
    OptionsScreen& openOptions()
    {
        if (!rootWidget)
            openMenu();
        click(optionsSpot.x, optionsSpot.y);
        return *dynamic_cast<OptionsScreen*>(panel());
    }
    // The frames of the sound toggle, the full-screen toggle and OK, as digits.
    std::string frames()
    {
        std::string shown;
        for (int i : {OptionsScreen::SoundToggle, OptionsScreen::FullScreenToggle, OptionsScreen::OkButton})
            shown += std::to_string(panel()->getChild(i)->getFrame());
        return shown;
    }
};

TEST_F(OptionsTest, TheSoundToggleFlipsTheSwitchAtOnceAndShowsItsPlainLookUntilTheNextMove)
{
    openMenu();
    app().hasSound = false;
    openOptions();
    EXPECT_EQ(frames(), "200");  // the switches as they stand
    move(soundToggleSpot.x, soundToggleSpot.y);
    EXPECT_EQ(frames(), "300");
    press(soundToggleSpot.x, soundToggleSpot.y);
    EXPECT_TRUE(app().hasSound);
    EXPECT_EQ(frames(), "000");
    move(soundToggleSpot.x + 1, soundToggleSpot.y);
    EXPECT_EQ(frames(), "100");
    press(soundToggleSpot.x + 1, soundToggleSpot.y);
    EXPECT_FALSE(app().hasSound);
    move(soundToggleSpot.x, soundToggleSpot.y);
    EXPECT_EQ(frames(), "300");

    // Straight onto the other toggle: only that one is highlighted.
    move(fullScreenToggleSpot.x, fullScreenToggleSpot.y);
    EXPECT_EQ(frames(), "210");
}

TEST_F(OptionsTest, FullScreenThereAndBackKeepsTheBoxOpenAndWorking)
{
    OptionsScreen& box = openOptions();
    click(fullScreenToggleSpot.x, fullScreenToggleSpot.y);
    EXPECT_TRUE(app().fullScreen);
    EXPECT_EQ(panel(), &box);
    ASSERT_TRUE(frame());  // the pictures were re-created with the whole tree
    screenshot("options-box-full-screen");

    press(fullScreenToggleSpot.x, fullScreenToggleSpot.y);
    EXPECT_FALSE(app().fullScreen);
    ASSERT_TRUE(frame());
    click(optionsOkSpot.x, optionsOkSpot.y);  // still working
    EXPECT_EQ(panel(), nullptr);
}

}  // namespace
}  // namespace screens_test

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
    std::uint8_t storedSwitch(const char* name)
    {
        std::uint8_t value = 0xAA;
        app().openSettings();
        app().readBinary(name, &value, 1);
        app().closeSettings();
        return value;
    }
};

TEST_F(OptionsTest, TheBoxShowsTheSwitchesAsTheyStand)
{
    openMenu();
    app().hasSound = false;
    openOptions();
    EXPECT_EQ(frames(), "200");

    ASSERT_TRUE(frame());
    EXPECT_EQ(colourAt(300, 200), 0xFF9900u);           // border
    EXPECT_EQ(colourAt(499, 300), 0xFF9900u);           // the right edge, 2 pixels wide about x = 500
    EXPECT_EQ(colourAt(310, 210), 0x000022u);           // fill
    EXPECT_EQ(colourAt(296, 200), colourAt(296, 190));  // the menu around it
    screenshot("options-box");
}

TEST_F(OptionsTest, TheSoundToggleFlipsTheSwitchAtOnceAndShowsItsPlainLookUntilTheNextMove)
{
    openOptions();
    ASSERT_TRUE(app().hasSound);
    move(soundToggleSpot.x, soundToggleSpot.y);
    EXPECT_EQ(frames(), "100");
    press(soundToggleSpot.x, soundToggleSpot.y);
    EXPECT_FALSE(app().hasSound);
    EXPECT_EQ(frames(), "200");
    move(soundToggleSpot.x + 1, soundToggleSpot.y);
    EXPECT_EQ(frames(), "300");

    // Straight onto the other toggle: only that one is highlighted.
    move(fullScreenToggleSpot.x, fullScreenToggleSpot.y);
    EXPECT_EQ(frames(), "210");

    click(soundToggleSpot.x, soundToggleSpot.y);
    EXPECT_TRUE(app().hasSound);
    EXPECT_EQ(frames()[0], '0');
    EXPECT_EQ(storedSwitch("hasSound"), 1);  // stored only at shutdown
}

TEST_F(OptionsTest, ClicksBetweenThePicturesAndKeysDoNothing)
{
    OptionsScreen& box = openOptions();
    click(betweenTogglesSpot.x, betweenTogglesSpot.y);
    click(305, 395);
    keyDown(platform::vk::Enter);
    typeChar('x');
    EXPECT_EQ(panel(), &box);
    EXPECT_TRUE(app().hasSound);
    EXPECT_FALSE(app().fullScreen);
    EXPECT_EQ(frames(), "000");

    click(optionsOkSpot.x, optionsOkSpot.y);
    EXPECT_EQ(panel(), nullptr);
}

TEST_F(OptionsTest, FullScreenThereAndBackKeepsTheBoxOpenAndWorkingAndStoresNothing)
{
    OptionsScreen& box = openOptions();
    click(fullScreenToggleSpot.x, fullScreenToggleSpot.y);
    EXPECT_TRUE(app().fullScreen);
    EXPECT_EQ(panel(), &box);
    EXPECT_EQ(frames()[1], '2');
    ASSERT_TRUE(frame());  // the pictures were re-created with the whole tree
    EXPECT_EQ(colourAt(310, 210), 0x000022u);
    EXPECT_EQ(storedSwitch("fullScreen"), 0);
    screenshot("options-box-full-screen");

    move(fullScreenToggleSpot.x, fullScreenToggleSpot.y);
    EXPECT_EQ(frames()[1], '3');
    press(fullScreenToggleSpot.x, fullScreenToggleSpot.y);
    EXPECT_FALSE(app().fullScreen);
    EXPECT_EQ(frames()[1], '0');
    ASSERT_TRUE(frame());
    EXPECT_EQ(colourAt(310, 210), 0x000022u);

    click(soundToggleSpot.x, soundToggleSpot.y);  // still working
    EXPECT_FALSE(app().hasSound);
    click(optionsOkSpot.x, optionsOkSpot.y);
    EXPECT_EQ(panel(), nullptr);
    EXPECT_EQ(storedSwitch("fullScreen"), 0);
    EXPECT_EQ(storedSwitch("hasSound"), 1);
}

}  // namespace
}  // namespace screens_test

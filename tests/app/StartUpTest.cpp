// Start-up, shutdown and the two switches, on a platform double.
#include <gtest/gtest.h>

#include "app/Application.h"
#include "startup/StartUp.h"
#include "support/FakePlatform.h"

using platform::MessageKind;

namespace {

std::vector<std::uint8_t> byte(int value) { return {static_cast<std::uint8_t>(value)}; }

// The game's own application: 800 x 600 in 16 bits, one back buffer, 15 frames a second.
std::unique_ptr<Application> makeApp(FakePlatform& fake, bool fullScreenDefault = false)
{
    return std::make_unique<Application>(fullScreenDefault, 800, 600, 16, 1, 15, 1, 22050, 16, fake, 1);
}

TEST(StartUp, AnyDeviceThatCannotBeSetUpEndsWithTheInitialiseBox)
{
    for (int step = 0; step < 4; ++step) {
        SCOPED_TRACE(step);
        FakePlatform fake;
        fake.faults.window = step == 0;
        fake.faults.displayDevice = step == 1;
        fake.faults.displaySurfaces = step == 2;
        fake.faults.soundDevice = step == 3;
        EXPECT_EQ(runGame(fake), 1);
        ASSERT_EQ(fake.record.messageBoxes.size(), 1u);
        EXPECT_EQ(fake.record.messageBoxes[0].rfind("Cannot Initialize Game|Cannot initialize game. Make sure", 0), 0u);
        EXPECT_EQ(theApp, nullptr);
        EXPECT_EQ(rootWidget, nullptr);
    }
}

TEST(StartUp, AClosedWindowEndsTheGameWithExitCodeZero)
{
    FakePlatform fake;
    fake.startShowCommand = 7;  // started minimised: the window shows as asked
    fake.onPresent = [&fake](int presents) {
        if (presents == 3)
            fake.queue(MessageKind::Close);
    };
    EXPECT_EQ(runGame(fake), 0);
    EXPECT_EQ(fake.record.presentTimes.size(), 3u);
    EXPECT_EQ(fake.record.lastShowCommand, 7);
    EXPECT_TRUE(fake.record.messageBoxes.empty());
    EXPECT_EQ(theApp, nullptr);
    EXPECT_EQ(rootWidget, nullptr);
}

TEST(Switches, TheFirstRunStoresTheDefaultsAndTheLastRunItsChoices)
{
    FakePlatform fake;
    auto app = makeApp(fake);
    EXPECT_FALSE(app->fullScreen);
    EXPECT_TRUE(app->hasSound);
    EXPECT_EQ(fake.settings["fullScreen"], byte(0));
    EXPECT_EQ(fake.settings["hasSound"], byte(1));
    app->hasSound = false;
    // Nothing is stored before the program ends.
    EXPECT_EQ(fake.settings["hasSound"], byte(1));
    app.reset();
    EXPECT_EQ(fake.settings["hasSound"], byte(0));

    fake.settings["fullScreen"] = byte(1);
    app = makeApp(fake);
    EXPECT_TRUE(app->fullScreen);
    EXPECT_FALSE(app->hasSound);
    EXPECT_TRUE(fake.record.lastWindowFullScreen);
    app.reset();

    // Deleting the store resets the switches to windowed with sound on.
    fake.settings.clear();
    app = makeApp(fake);
    EXPECT_FALSE(app->fullScreen);
    EXPECT_TRUE(app->hasSound);
    app.reset();

    // A number where a byte was expected: its first byte is taken; any non-zero byte is "on".
    fake.settings["fullScreen"] = {0, 0, 0, 0};
    fake.settings["hasSound"] = byte(2);
    app = makeApp(fake, true);
    EXPECT_FALSE(app->fullScreen);
    EXPECT_TRUE(app->hasSound);
}

TEST(Switches, ASessionEndedAtOnceStoresTheChoicesWhileTheGameStillRuns)
{
    // A browser page going away gives the game no orderly end: the switches are stored as it
    // is told, unless the display broke (the paint-error box), as at an orderly end.
    for (const bool paintFailed : {false, true}) {
        SCOPED_TRACE(paintFailed);
        FakePlatform fake;
        auto app = makeApp(fake);
        app->hasSound = false;
        app->fullScreen = true;
        app->paintFailed = paintFailed;
        app->windowProcedure(platform::Message{MessageKind::EndSession, 0, 0, 0});
        EXPECT_EQ(fake.settings["hasSound"], byte(paintFailed ? 1 : 0));
        EXPECT_EQ(fake.settings["fullScreen"], byte(paintFailed ? 0 : 1));
    }
}

TEST(Settings, TextValuesAreAlwaysTerminatedInsideTheBuffer)
{
    FakePlatform fake;
    auto owned = makeApp(fake);
    Application& app = *owned;
    theApp = &app;
    const std::string longName(300, 'n');
    fake.settings["name0"].assign(longName.begin(), longName.end());
    fake.settings["name0"].push_back(0);

    char buffer[256] = "Wuffle";
    app.openSettings();
    app.readString("name0", buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer), std::string(255, 'n'));

    char fresh[256] = "Dravi";
    app.readString("name1", fresh, sizeof fresh);  // missing: stored from the default
    std::uint32_t score = 80000;
    app.readDword("score1", &score, 4);
    app.closeSettings();
    EXPECT_EQ(std::string(fresh), "Dravi");
    EXPECT_EQ(fake.settings["name1"], (std::vector<std::uint8_t>{'D', 'r', 'a', 'v', 'i', 0}));
    EXPECT_EQ(fake.settings["score1"], (std::vector<std::uint8_t>{0x80, 0x38, 0x01, 0x00}));

    // Without an open key reads keep their defaults and writes go nowhere.
    std::uint32_t untouched = 7;
    app.readDword("score2", &untouched, 4);
    EXPECT_EQ(untouched, 7u);
    EXPECT_EQ(fake.settings.count("score2"), 0u);
    theApp = nullptr;
}

}  // namespace

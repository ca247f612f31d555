// The application on a platform double whose clock only moves when the loop waits: start-up
// and shutdown, the two stored switches, the frame loop, the window procedure and the display
// switch.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "app/Application.h"
#include "startup/StartUp.h"
#include "support/FakePlatform.h"
#include "ui/Widget.h"

using platform::MessageKind;

namespace {

std::vector<std::uint8_t> byte(int value) { return {static_cast<std::uint8_t>(value)}; }

// The game's own application: 800 x 600 in 16 bits, one back buffer, 15 frames a second.
std::unique_ptr<Application> makeApp(FakePlatform& fake, bool fullScreenDefault = false)
{
    return std::make_unique<Application>(fullScreenDefault, 800, 600, 16, 1, 15, 1, 22050, 16, fake, 1);
}

// A root widget that records what the loop and the window procedure do to it.
class RecordingRoot : public Widget {
public:
    explicit RecordingRoot(FakePlatform& platformRef) : Widget(nullptr, 0, 0, nullptr), fake(platformRef) {}

    bool draw() override
    {
        drawTimes.push_back(fake.now);
        fake.now += drawCost;
        if (failDraws > 0) {
            --failDraws;
            return false;
        }
        return true;
    }
    void update() override { ++updates; }
    void handleEvent(int eventCode) override
    {
        events.push_back(eventCode);
        seen = {theApp->keyCode, theApp->charCode, theApp->mouseX, theApp->mouseY, theApp->mouseButtons};
    }
    bool createSurfaces() override
    {
        ++creations;
        return !picturesMissing;
    }
    bool releaseSurfaces() override
    {
        ++releases;
        return true;
    }

    FakePlatform& fake;
    std::vector<std::uint32_t> drawTimes;
    std::vector<int> events;
    std::uint32_t drawCost = 0;
    int failDraws = 0;
    bool picturesMissing = false;
    int updates = 0;
    int creations = 0;
    int releases = 0;
    std::array<int, 5> seen{};  // key, character, x, y, buttons at the last event
};

class FrameLoopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app = makeApp(fake);
        theApp = app.get();
        root = std::make_unique<RecordingRoot>(fake);
        rootWidget = root.get();
    }
    void TearDown() override
    {
        rootWidget = nullptr;
        root.reset();
        app.reset();
        theApp = nullptr;
    }
    // Closes the window after `frames` presented frames.
    void closeAfter(int frames)
    {
        fake.onPresent = [this, frames](int presents) {
            if (presents == frames)
                fake.queue(MessageKind::Close);
        };
    }

    FakePlatform fake;
    std::unique_ptr<Application> app;
    std::unique_ptr<RecordingRoot> root;
};

TEST_F(FrameLoopTest, FramesAreSpacedByTheFramePeriodAndALateOneIsNotCaughtUp)
{
    fake.onPresent = [this](int presents) {
        root->drawCost = presents == 2 ? 200 : 0;  // the third frame takes 200 ms
        if (presents == 10)
            fake.queue(MessageKind::Close);
    };
    EXPECT_EQ(app->run(), 0);
    ASSERT_EQ(root->drawTimes.size(), 10u);
    EXPECT_EQ(root->updates, 10);
    // 66 ms apart, but the frame after the late one starts at once.
    for (std::size_t i = 1; i < root->drawTimes.size(); ++i)
        EXPECT_EQ(root->drawTimes[i] - root->drawTimes[i - 1], i == 3 ? 200u : 66u) << i;
    // The loop waits for the next frame instead of polling.
    ASSERT_FALSE(fake.record.waits.empty());
    for (int wait : fake.record.waits)
        EXPECT_GT(wait, 0);
}

TEST_F(FrameLoopTest, AFailedDrawRestoresTheDisplayOnceAndDrawsAgain)
{
    fake.onPresent = [this](int presents) {
        if (presents == 2)
            root->failDraws = 1;
        if (presents == 4)
            fake.queue(MessageKind::Close);
    };
    EXPECT_EQ(app->run(), 0);
    EXPECT_EQ(fake.record.restores, 2);     // visible and back surface
    EXPECT_EQ(root->drawTimes.size(), 5u);  // one frame drew twice
    EXPECT_EQ(root->updates, 4);
}

TEST_F(FrameLoopTest, PaintErrorEndsTheProgramWithExitCodeOne)
{
    // Two failed draws in a row; a failed restore; a failed present.
    const std::function<void()> failures[] = {
        [this] { root->failDraws = 2; },
        [this] { root->failDraws = fake.faults.failRestores = fake.faults.failSurfaceCreations = 1; },
        [this] { fake.faults.failPresents = 1; }};
    for (const auto& fail : failures) {
        fake.record.messageBoxes.clear();
        fail();
        EXPECT_EQ(app->run(), 1);
        EXPECT_EQ(fake.record.messageBoxes,
                  std::vector<std::string>{"Paint Error|An unexpected error occurs, the program will now exit."});
    }
    EXPECT_EQ(root->updates, 1) << "only the frame whose present failed was updated";
}

TEST_F(FrameLoopTest, NoFramesAreDrawnWhileTheWindowIsMinimised)
{
    int idleWaits = 0;
    fake.onPresent = [this](int presents) {
        if (presents == 2)
            fake.queue(MessageKind::Size, 1);
        if (presents == 4)
            fake.queue(MessageKind::Close);
    };
    fake.onIdle = [this, &idleWaits] {
        if (!app->active && ++idleWaits == 5)
            fake.queue(MessageKind::Size, 0);
    };
    EXPECT_EQ(app->run(), 0);
    ASSERT_EQ(root->drawTimes.size(), 4u);
    // While minimised the loop slept without a time limit, and no frame was drawn.
    EXPECT_GE(std::count(fake.record.waits.begin(), fake.record.waits.end(), -1), 4);
    EXPECT_GE(root->drawTimes[2] - root->drawTimes[1], 4000u);
}

TEST_F(FrameLoopTest, TheWindowProcedureStoresInputAndSendsTheFiveEvents)
{
    using Seen = std::array<int, 5>;
    fake.sendToHandler({MessageKind::KeyDown, 32, 0, 0});
    fake.sendToHandler({MessageKind::KeyDown, 32, 0, 0});  // auto-repeat: one event each
    fake.sendToHandler({MessageKind::KeyUp, 37, 0, 0});
    EXPECT_EQ(root->seen, (Seen{37, 0, 0, 0, 0}));
    fake.sendToHandler({MessageKind::Char, 'a', 0, 0});
    fake.sendToHandler({MessageKind::MouseMove, 0, 220, 160});
    EXPECT_EQ(root->seen, (Seen{37, 'a', 220, 160, 0}));
    fake.sendToHandler({MessageKind::ButtonDown, 1 | 2, 10, 20});
    EXPECT_EQ(root->seen, (Seen{37, 'a', 10, 20, 3}));
    // A position left of the window arrives as the unsigned low word.
    fake.sendToHandler({MessageKind::ButtonDown, 4, -1, 5});
    EXPECT_EQ(root->seen, (Seen{37, 'a', 0xFFFF, 5, 4}));
    EXPECT_EQ(root->events, (std::vector<int>{KeyPressed, KeyPressed, KeyReleased, CharTyped, MouseMoved, MousePressed,
                                              MousePressed}));

    fake.sendToHandler({MessageKind::Size, 1, 0, 0});
    EXPECT_FALSE(app->active);
    fake.sendToHandler({MessageKind::Size, 0, 0, 0});
    EXPECT_TRUE(app->active);
    EXPECT_EQ(root->events.size(), 7u);  // size messages send no event
    EXPECT_FALSE(fake.peekMessage());

    // Closing the window destroys it, which ends the loop with exit code 0.
    fake.sendToHandler({MessageKind::Close, 0, 0, 0});
    EXPECT_EQ(app->window, nullptr);
    EXPECT_EQ(app->run(), 0);
    EXPECT_TRUE(root->drawTimes.empty());
}

TEST_F(FrameLoopTest, SwitchingToFullScreenAndBackRebuildsTheDisplayWithoutEnding)
{
    for (const bool full : {true, false}) {
        EXPECT_TRUE(app->toggleFullScreen());
        EXPECT_EQ(app->fullScreen, full);
        EXPECT_EQ(fake.record.lastWindowFullScreen, full);
        EXPECT_FALSE(app->switchingMode);
        EXPECT_NE(app->backSurface, nullptr);
        // The sound device follows the new window, as it would fall silent with the old one.
        ASSERT_EQ(fake.record.soundWindows.size(), full ? 2u : 3u);
        EXPECT_EQ(fake.record.soundWindows.back(), app->window.get());
    }
    EXPECT_EQ(root->releases, 2);
    EXPECT_EQ(root->creations, 2);
    EXPECT_EQ(fake.record.windowsDestroyed, 2);
    // The destroyed windows did not end the program.
    EXPECT_FALSE(fake.peekMessage());
    closeAfter(2);
    EXPECT_EQ(app->run(), 0);
}

TEST_F(FrameLoopTest, APictureThatCannotBeReloadedAfterASwitchStillLetsTheWindowClose)
{
    root->picturesMissing = true;
    EXPECT_FALSE(app->toggleFullScreen());
    EXPECT_TRUE(app->fullScreen);
    // The display is back, so the switch is over: closing the window ends the game.
    EXPECT_FALSE(app->switchingMode);
    closeAfter(2);
    EXPECT_EQ(app->run(), 0);
    EXPECT_TRUE(fake.record.messageBoxes.empty());
}

TEST_F(FrameLoopTest, AFailedSwitchEndsThroughThePaintErrorBox)
{
    fake.faults.displayDevice = true;
    EXPECT_FALSE(app->toggleFullScreen());
    EXPECT_EQ(app->backSurface, nullptr);
    EXPECT_EQ(app->run(), 1);
    ASSERT_EQ(fake.record.messageBoxes.size(), 1u);
    EXPECT_EQ(fake.record.messageBoxes[0].rfind("Paint Error|", 0), 0u);

    // The switch that broke the display is not stored: the next start is windowed again.
    app.reset();
    theApp = nullptr;
    ASSERT_EQ(fake.settings.count("fullScreen"), 1u);
    EXPECT_EQ(fake.settings["fullScreen"], byte(0));
}

TEST(StartUp, AnyDeviceThatCannotBeSetUpEndsWithTheInitialiseBoxAClosedWindowWithZero)
{
    for (int step = 0; step < 5; ++step) {
        SCOPED_TRACE(step);
        FakePlatform fake;
        fake.faults.window = step == 0;
        fake.faults.displayDevice = step == 1;
        fake.faults.displaySurfaces = step == 2;
        fake.faults.soundDevice = step == 3;
        fake.startShowCommand = 7;  // started minimised: the window shows as asked
        fake.onPresent = [&fake](int presents) {
            if (presents == 3)
                fake.queue(MessageKind::Close);
        };
        const bool fails = step < 4;
        EXPECT_EQ(runGame(fake), fails ? 1 : 0);
        EXPECT_EQ(fake.record.presentTimes.size(), fails ? 0u : 3u);
        ASSERT_EQ(fake.record.messageBoxes.size(), fails ? 1u : 0u);
        if (fails)
            EXPECT_EQ(fake.record.messageBoxes[0].rfind("Cannot Initialize Game|Cannot initialize game. Make sure", 0),
                      0u);
        else
            EXPECT_EQ(fake.record.lastShowCommand, 7);
        EXPECT_EQ(theApp, nullptr);
        EXPECT_EQ(rootWidget, nullptr);
    }
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
    // is told, unless the display broke (the paint-error box, or a switch that failed and
    // whose box is yet to come), as at an orderly end.
    enum Broken {
        Nothing,
        PaintFailed,
        SwitchFailed
    };
    for (const Broken broken : {Nothing, PaintFailed, SwitchFailed}) {
        SCOPED_TRACE(broken);
        FakePlatform fake;
        auto app = makeApp(fake);
        app->hasSound = false;
        app->paintFailed = broken == PaintFailed;
        if (broken == SwitchFailed) {
            fake.faults.displayDevice = true;
            ASSERT_FALSE(app->toggleFullScreen());
        } else {
            app->fullScreen = true;
        }
        app->windowProcedure(platform::Message{MessageKind::EndSession, 0, 0, 0});
        EXPECT_EQ(fake.settings["hasSound"], byte(broken == Nothing ? 0 : 1));
        EXPECT_EQ(fake.settings["fullScreen"], byte(broken == Nothing ? 1 : 0));
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

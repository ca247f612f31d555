#include <vector>

#include "ScreenTestSupport.h"
#include "platform/Surface.h"
#include "platform/sdl/SdlAudio.h"
#include "ui/SplashScreen.h"

namespace screens_test {
namespace {

class SplashTest : public ScreenTest {
protected:
    // The real splash; the menu's slot gets an event recorder.
    SplashScreen& start()
    {
        auto* host = new ScreenHost(nullptr, 0, 0, [this](ScreenHost& owner, int screen) -> std::unique_ptr<Widget> {
            if (screen == ScreenHost::MainMenuNumber)
                return std::make_unique<EventRecorder>(&owner, menuEvents);
            return ScreenHost::makeGameScreen(owner, screen);
        });
        rootWidget = host;
        return splash();
    }
    ScreenHost& host() { return *static_cast<ScreenHost*>(rootWidget); }
    SplashScreen& splash() { return *dynamic_cast<SplashScreen*>(host().getChild(0)); }
    bool splashShown() { return host().getFrame() == 0 && dynamic_cast<SplashScreen*>(host().getChild(0)); }
    bool menuShown() { return host().getFrame() == 1 && dynamic_cast<EventRecorder*>(host().getChild(0)); }

    // The brightest pixel of the logo picture: its place in the cell and its raw value.
    void brightestLogoPixel(SplashScreen& shown, int& px, int& py, std::uint32_t& raw)
    {
        platform::Surface* picture = shown.getLogoBitmap()->getSurface();
        ASSERT_NE(picture, nullptr);
        int best = -1;
        for (int y = 0; y < 36; ++y) {
            for (int x = 0; x < 200; ++x) {
                platform::LockedPixels locked;
                ASSERT_TRUE(picture->lock(platform::Rect{x, y, x + 1, y + 1}, locked));
                const std::uint32_t value = locked.bits[0] | (locked.bits[1] << 8) | (locked.bits[2] << 16);
                picture->unlock();
                const int brightness = (value & 0xFF) + ((value >> 8) & 0xFF) + ((value >> 16) & 0xFF);
                if (brightness > best) {
                    best = brightness;
                    px = x;
                    py = y;
                    raw = value;
                }
            }
        }
    }

    std::vector<int> menuEvents;
};

TEST_F(SplashTest, TheLogoFadesInHoldsAndFadesOutOnBlackThenTheMenuFollows)
{
    SplashScreen& shown = start();
    EXPECT_EQ(shown.getLogo()->getX(), 300);
    EXPECT_EQ(shown.getLogo()->getY(), 282);

    std::vector<int> alphas;
    int drawn = 0;
    while (splashShown() && drawn < 100) {
        alphas.push_back(splash().getLogo()->getAlpha());
        ASSERT_TRUE(frame());
        ++drawn;
    }
    EXPECT_EQ(drawn, 64);  // frames 0 to 63; the update that reaches 64 shows the menu
    EXPECT_TRUE(menuShown());
    ASSERT_EQ(alphas.size(), 64u);
    const std::vector<int> fadeIn(alphas.begin(), alphas.begin() + 15);
    EXPECT_EQ(fadeIn, (std::vector<int>{0, 8, 17, 25, 34, 42, 51, 59, 68, 76, 85, 93, 102, 110, 119}));
    for (int f = 15; f <= 51; ++f)
        EXPECT_EQ(alphas[static_cast<std::size_t>(f)], 128) << f;
    const std::vector<int> fadeOut(alphas.begin() + 52, alphas.end());
    EXPECT_EQ(fadeOut, (std::vector<int>{119, 102, 85, 68, 51, 34, 17, 0, 0, 0, 0, 0}));
}

TEST_F(SplashTest, TheLogoIsOpaqueAtFrame51AndBlendedAt119AtFrame52)
{
    SplashScreen& shown = start();
    int px = 0;
    int py = 0;
    std::uint32_t source = 0;
    brightestLogoPixel(shown, px, py, source);
    ASSERT_GT(source & 0xFFFFFF, 0u) << "the logo has a lit pixel";

    for (int f = 0; f < 51; ++f)
        frame();
    ASSERT_EQ(splash().getFrame(), 51);
    ASSERT_TRUE(drawOnly());
    EXPECT_EQ(colourAt(300 + px, 282 + py), source & 0xFFFFFF);
    EXPECT_EQ(colourAt(10, 10), 0u);
    screenshot("splash-frame51");

    frame();
    ASSERT_TRUE(drawOnly());
    std::uint32_t expected = 0;
    for (int shift : {0, 8, 16})
        expected |= (((source >> shift) & 0xFF) * 119 / 128) << shift;
    EXPECT_EQ(colourAt(300 + px, 282 + py), expected);
    for (int f = 52; f < 56; ++f)
        frame();
    drawOnly();
    screenshot("splash-mid-fade");
}

TEST_F(SplashTest, TheJinglePlaysAtFrame5OnlyWithSoundOn)
{
    app().hasSound = false;
    start();
    for (int f = 0; f < 6; ++f)
        frame();
    EXPECT_EQ(platform::sdl::playingVoices(), 0);

    delete rootWidget;
    rootWidget = nullptr;
    app().hasSound = true;
    start();
    for (int f = 0; f < 4; ++f)
        frame();
    EXPECT_EQ(platform::sdl::playingVoices(), 0);
    frame();  // its update reaches frame 5
    EXPECT_EQ(platform::sdl::playingVoices(), 1);
}

TEST_F(SplashTest, AKeyPressSkipsAtOnceAndItsNextEventAlreadyReachesTheMenu)
{
    start();
    keyDown('A');
    ASSERT_TRUE(menuShown());
    keyUp('A');
    EXPECT_EQ(menuEvents, std::vector<int>{KeyReleased});
}

TEST_F(SplashTest, PointerMovesReleasesAndCharactersDoNotSkipButAClickDoes)
{
    start();
    frame();
    headless.send(MessageKind::MouseMove, 0, 400, 300);
    keyUp('A');
    typeChar('a');
    ASSERT_TRUE(splashShown());
    EXPECT_EQ(splash().getFrame(), 1);
    headless.send(MessageKind::ButtonDown, 2, 400, 300);
    EXPECT_TRUE(menuShown());
    EXPECT_TRUE(menuEvents.empty());
}

}  // namespace
}  // namespace screens_test

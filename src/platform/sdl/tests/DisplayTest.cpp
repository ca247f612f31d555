// The display device at each depth: presenting into the window, faults, mode switches.
#include <gtest/gtest.h>

#include "SdlTestSupport.h"
#include "platform/sdl/Presentation.h"
#include "platform/sdl/SdlWindow.h"

namespace platform::sdl::test {
namespace {

class DisplayTest : public ::testing::TestWithParam<int> {
protected:
    int bits() const { return GetParam(); }
    SDL_Window* handle() { return dynamic_cast<SdlWindow&>(*display.window).handle(); }

    // The colour the window shows at a point of its logical screen.
    std::uint32_t shownAt(int x, int y)
    {
        int w = 0, h = 0;
        SDL_GetWindowSize(handle(), &w, &h);
        const Rect picture = pictureRect(w, h, 800, 600);
        return windowPixel(handle(), picture.left + x * picture.width() / 800,
                           picture.top + y * picture.height() / 600);
    }

    Display display{GetParam()};
};

TEST_P(DisplayTest, PresentShowsTheBackSurfaceExactlyAndKeepsTheVisibleCopy)
{
    ASSERT_TRUE(display.ready());
    Surface& back = *display.device->getBackSurface();
    EXPECT_EQ(back.getWidth() * 1000 + back.getHeight(), 800600);
    EXPECT_EQ(back.getBitsPerPixel(), bits());
    EXPECT_EQ(display.device->getPrimarySurface()->getBitsPerPixel(), bits());
    int w = 0, h = 0;
    display.window->fitToClient(640, 480);
    SDL_GetWindowSize(handle(), &w, &h);
    EXPECT_EQ(w * 1000 + h, 640480);
    display.window->fitToClient(800, 600);
    SDL_GetWindowSize(handle(), &w, &h);
    EXPECT_EQ(w * 1000 + h, 800600);

    back.fill(Rect{0, 0, 800, 600}, rawColour(bits(), 0x0000FF));
    back.fill(Rect{0, 0, 400, 300}, rawColour(bits(), 0xFF0000));
    back.fill(Rect{799, 599, 800, 600}, rawColour(bits(), 0xFFFFFF));  // white stays white at 16 bits
    ASSERT_TRUE(display.device->present());
    EXPECT_EQ(shownAt(399, 299), 0xFF0000u);
    EXPECT_EQ(shownAt(400, 300), 0x0000FFu);
    EXPECT_EQ(shownAt(799, 599), 0xFFFFFFu);
    EXPECT_EQ(pixelAt(*display.device->getPrimarySurface(), 0, 0), rawColour(bits(), 0xFF0000));
}

TEST_P(DisplayTest, ProvokedAndRealFaultsMakePresentFail)
{
    ASSERT_TRUE(display.ready());
    failPresents(*display.device, 2);
    EXPECT_FALSE(display.device->present());
    EXPECT_FALSE(display.device->present());
    EXPECT_TRUE(display.device->present());

    Surface& back = *display.device->getBackSurface();
    loseSurface(back);
    EXPECT_FALSE(display.device->present());
    EXPECT_TRUE(back.restore());
    LockedPixels locked;
    ASSERT_TRUE(back.lock(Rect{0, 0, 1, 1}, locked));
    EXPECT_FALSE(display.device->present());  // still being written into
    back.unlock();
    EXPECT_TRUE(display.device->present());

    display.device->releaseSurfaces();
    EXPECT_EQ(display.device->getBackSurface(), nullptr);
    EXPECT_FALSE(display.device->present());

    // A window destroyed before its device leaves the device safely useless, while
    // off-screen surfaces, which belong to no window, go on working.
    auto picture = display.device->createSurface(10, 10);
    display.window.reset();
    EXPECT_FALSE(display.device->createSurfaces());
    EXPECT_FALSE(display.device->present());
    display.device.reset();
    EXPECT_TRUE(picture->fill(Rect{0, 0, 10, 10}, 1));
}

// A switch between window and full screen, step by step as the game does it.
TEST_P(DisplayTest, TheDisplayIsBuiltAgainInTheOtherModeAndWorksThere)
{
    ASSERT_TRUE(display.ready());
    int destroyed = 0;
    display.platform->setMessageHandler(
        [&destroyed](const Message& m) { destroyed += m.kind == MessageKind::Destroy; });
    for (bool fullScreen : {true, false}) {
        display.device->releaseSurfaces();
        display.device.reset();
        display.window.reset();
        WindowSettings settings;
        settings.fullScreen = fullScreen;
        display.window = display.platform->createWindow(settings);
        ASSERT_TRUE(display.window);
        EXPECT_EQ(display.window->isFullScreen(), fullScreen);
        display.device = display.platform->createDisplayDevice(*display.window, 800, 600, 16);
        ASSERT_TRUE(display.device && display.device->createSurfaces());
        display.device->getBackSurface()->fill(Rect{0, 0, 800, 600}, rawColour(bits(), 0xFFFFFF));
        ASSERT_TRUE(display.device->present());
        EXPECT_EQ(shownAt(400, 300), 0xFFFFFFu);
        SDL_Event close{};
        close.window =
            SDL_WindowEvent{SDL_WINDOWEVENT, 0, SDL_GetWindowID(handle()), SDL_WINDOWEVENT_CLOSE, 0, 0, 0, 0, 0};
        SDL_PushEvent(&close);
        Message m;
        ASSERT_TRUE(display.platform->peekMessage() && display.platform->getMessage(m));
        EXPECT_EQ(m.kind, MessageKind::Close);
    }
    EXPECT_EQ(destroyed, 2);
}

INSTANTIATE_TEST_SUITE_P(Depths, DisplayTest, ::testing::Values(16, 24, 32),
                         [](const ::testing::TestParamInfo<int>& depth) {
                             return std::to_string(depth.param) + "bits";
                         });

TEST(DisplayDepthTest, DepthsTheGameCannotUseAreRefusedAndZeroTakesTheDisplays)
{
    for (int bits : {8, 15, 31})
        EXPECT_FALSE(Display(bits).ready()) << bits;
    Display own(0);
    ASSERT_TRUE(own.ready());
    EXPECT_EQ(own.device->getBackSurface()->getBitsPerPixel(), 32);  // the dummy desktop's depth
}

}  // namespace
}  // namespace platform::sdl::test

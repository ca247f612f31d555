// The display device at each depth: surfaces, presenting into the window, provoked faults.
#include <gtest/gtest.h>

#include "SdlTestSupport.h"
#include "platform/sdl/SdlWindow.h"

namespace platform::sdl::test {
namespace {

class DisplayTest : public ::testing::TestWithParam<int> {
protected:
    int bits() const { return GetParam(); }

    // The colour the window shows at a point of the logical screen, read back from the renderer.
    std::uint32_t shownAt(int x, int y) {
        SDL_Renderer* renderer = SDL_GetRenderer(dynamic_cast<SdlWindow&>(*display.window).handle());
        if (!renderer) return 0xDEADBEEF;
        std::uint32_t pixel = 0;
        SDL_Rect point{x, y, 1, 1};
        if (SDL_RenderReadPixels(renderer, &point, SDL_PIXELFORMAT_RGB888, &pixel, 4) != 0) return 0xDEADBEEF;
        return pixel & 0xFFFFFF;
    }

    Display display{GetParam()};
};

TEST_P(DisplayTest, PresentShowsTheBackSurfaceInTheWindowAndKeepsAVisibleCopy) {
    ASSERT_TRUE(display.ready());
    Surface& back = *display.device->getBackSurface();
    Surface& primary = *display.device->getPrimarySurface();
    EXPECT_EQ(back.getWidth(), 800);
    EXPECT_EQ(back.getHeight(), 600);
    EXPECT_EQ(back.getBitsPerPixel(), bits());
    EXPECT_EQ(primary.getBitsPerPixel(), bits());
    int w = 0, h = 0;
    SDL_GetWindowSize(dynamic_cast<SdlWindow&>(*display.window).handle(), &w, &h);
    EXPECT_EQ(w, 800);
    EXPECT_EQ(h, 600);
    EXPECT_FALSE(display.window->isFullScreen());

    ASSERT_TRUE(back.fill(Rect{0, 0, 800, 600}, rawColour(bits(), 0x0000FF)));
    ASSERT_TRUE(back.fill(Rect{0, 0, 400, 300}, rawColour(bits(), 0xFF0000)));
    ASSERT_TRUE(back.fill(Rect{799, 599, 800, 600}, rawColour(bits(), 0x00FF00)));
    ASSERT_TRUE(display.device->present());
    EXPECT_EQ(shownAt(0, 0), 0xFF0000u);
    EXPECT_EQ(shownAt(399, 299), 0xFF0000u);
    EXPECT_EQ(shownAt(400, 300), 0x0000FFu);
    EXPECT_EQ(shownAt(799, 599), 0x00FF00u);
    EXPECT_EQ(pixelAt(primary, 0, 0), rawColour(bits(), 0xFF0000));
    EXPECT_EQ(pixelAt(primary, 799, 599), rawColour(bits(), 0x00FF00));
}

TEST_P(DisplayTest, ProvokedAndRealFaultsMakePresentFail) {
    ASSERT_TRUE(display.ready());
    failPresents(*display.device, 2);
    EXPECT_FALSE(display.device->present());
    EXPECT_FALSE(display.device->present());
    EXPECT_TRUE(display.device->present());

    Surface& back = *display.device->getBackSurface();
    loseSurface(back);
    EXPECT_FALSE(display.device->present());
    EXPECT_TRUE(back.restore());
    EXPECT_TRUE(display.device->present());

    LockedPixels locked;
    ASSERT_TRUE(back.lock(Rect{0, 0, 1, 1}, locked));
    EXPECT_FALSE(display.device->present());  // still being written into
    back.unlock();

    // Rebuilding the surfaces gives fresh, zeroed ones.
    back.fill(Rect{0, 0, 800, 600}, rawColour(bits(), 0xFFFFFF));
    ASSERT_TRUE(display.device->createSurfaces());
    EXPECT_EQ(pixelAt(*display.device->getBackSurface(), 5, 5), 0u);
    display.device->releaseSurfaces();
    EXPECT_EQ(display.device->getBackSurface(), nullptr);
    EXPECT_EQ(display.device->getPrimarySurface(), nullptr);
    EXPECT_FALSE(display.device->present());
}

TEST_P(DisplayTest, AWindowClosedBeforeItsDeviceLeavesTheDeviceSafelyUseless) {
    ASSERT_TRUE(display.ready());
    auto picture = display.device->createSurface(10, 10);
    display.window.reset();
    EXPECT_FALSE(display.device->present());
    EXPECT_FALSE(display.device->createSurfaces());
    // Off-screen surfaces belong to no window and go on working.
    EXPECT_TRUE(picture->fill(Rect{0, 0, 10, 10}, 1));
    display.device.reset();
    EXPECT_EQ(pixelAt(*picture, 9, 9), 1u);
}

TEST_P(DisplayTest, FullScreenScalesThePictureWithBlackBars) {
    Display full(bits(), true);
    ASSERT_TRUE(full.ready());
    EXPECT_TRUE(full.window->isFullScreen());
    EXPECT_EQ(full.device->getBackSurface()->getWidth(), 800);
    full.device->getBackSurface()->fill(Rect{0, 0, 800, 600}, rawColour(bits(), 0xFFFFFF));
    ASSERT_TRUE(full.device->present());
    SDL_Window* handle = dynamic_cast<SdlWindow&>(*full.window).handle();
    SDL_Renderer* renderer = SDL_GetRenderer(handle);
    ASSERT_TRUE(renderer);
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer, &w, &h);
    SDL_RenderSetLogicalSize(renderer, 0, 0);  // read the window's own pixels from here on
    auto at = [&](int x, int y) {
        std::uint32_t pixel = 0;
        SDL_Rect point{x, y, 1, 1};
        SDL_RenderReadPixels(renderer, &point, SDL_PIXELFORMAT_RGB888, &pixel, 4);
        return pixel & 0xFFFFFF;
    };
    EXPECT_EQ(at(w / 2, h / 2), 0xFFFFFFu);
    if (w * 600 > h * 800) {
        EXPECT_EQ(at(0, h / 2), 0u);  // the bar beside the picture
    } else if (w * 600 < h * 800) {
        EXPECT_EQ(at(w / 2, 0), 0u);  // the bar above it
    }
}

// The steps of a switch between window and full screen: surfaces, device and window go,
// the window comes back in the other mode, and everything works there as before.
TEST_P(DisplayTest, TheDisplayCanBeTornDownAndBuiltAgainInTheOtherMode) {
    ASSERT_TRUE(display.ready());
    int destroyed = 0;
    display.platform->setMessageHandler([&destroyed](const Message& m) { destroyed += m.kind == MessageKind::Destroy; });
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
        ASSERT_TRUE(display.device);
        ASSERT_TRUE(display.device->createSurfaces());
        EXPECT_EQ(display.device->getBackSurface()->getBitsPerPixel(), bits());
        display.device->getBackSurface()->fill(Rect{0, 0, 800, 600}, rawColour(bits(), 0x00FF00));
        ASSERT_TRUE(display.device->present());
        SDL_Event close{};
        close.type = SDL_WINDOWEVENT;
        close.window.event = SDL_WINDOWEVENT_CLOSE;
        close.window.windowID = dynamic_cast<SdlWindow&>(*display.window).id();
        SDL_PushEvent(&close);
        Message m;
        ASSERT_TRUE(display.platform->peekMessage());
        ASSERT_TRUE(display.platform->getMessage(m));
        EXPECT_EQ(m.kind, MessageKind::Close);
    }
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(shownAt(400, 300), 0x00FF00u);
}

INSTANTIATE_TEST_SUITE_P(Depths, DisplayTest, ::testing::Values(16, 24, 32),
                         [](const ::testing::TestParamInfo<int>& depth) { return std::to_string(depth.param) + "bits"; });

TEST(DisplayDepthTest, DepthsTheGameCannotUseAreRefusedAndZeroTakesTheDisplays) {
    for (int bits : {8, 15, 31}) {
        Display display(bits);
        EXPECT_FALSE(display.ready()) << bits;
    }
    Display own(0);
    ASSERT_TRUE(own.ready());
    const int depth = own.device->getBackSurface()->getBitsPerPixel();
    EXPECT_TRUE(depth == 16 || depth == 24 || depth == 32) << depth;
    EXPECT_EQ(own.device->createSurface(3, 3)->getBitsPerPixel(), depth);
}

}  // namespace
}  // namespace platform::sdl::test

// The window and its DirectDraw display: the window's frame, the surfaces, fills, locks, keyed
// blits and pictures on 16-bit DirectDraw surfaces.
#include <gtest/gtest.h>

#include <vector>

#include "Win32TestSupport.h"
#include "app/PixelPacking.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

using kelvary_test::DirectDrawFixture;
using kelvary_test::pixelAt;
using kelvary_test::pixelsIn;
using kelvary_test::WindowedPlatform;

// (The client area's exact size is checked where the game starts its window minimised.)
TEST(Win32Display, WindowIsOfFixedSizeAndItsDisplayShowsTheBackSurface)
{
    WindowedPlatform windowed;
    ASSERT_NE(windowed.window, nullptr);
    LONG style = GetWindowLongA(windowed.handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME) << "the window is not resizable";
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);

    auto display = windowed.system->createDisplayDevice(*windowed.window, 800, 600, 16);
    ASSERT_NE(display, nullptr);
    ASSERT_TRUE(display->createSurfaces());
    platform::Surface* back = display->getBackSurface();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->getWidth(), 800);
    EXPECT_EQ(back->getHeight(), 600);
    const int depth = back->getBitsPerPixel();

    // A fill cut to the picture, then a frame shown in the window.  (At 32 bits the driver
    // may drop the unused top byte of the fill pixel.)
    const std::uint32_t colourBits = depth == 16 ? 0xFFFFu : 0xFFFFFFu;
    EXPECT_TRUE(back->fill(platform::Rect{-50, -50, 100, 100}, packColour(0x00FF9900, depth)));
    EXPECT_EQ(pixelAt(*back, 0, 0) & colourBits, packColour(0x00FF9900, depth) & colourBits);
    EXPECT_TRUE(display->present());

    // Off-screen surfaces come in the back surface's format.
    auto picture = display->createSurface(40, 20);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->getBitsPerPixel(), depth);
}

// One off-screen 5-6-5 surface and a picture loaded from its file: fills, locks, keyed and
// plain blits (the clipping is the layers' shared routine).
TEST(Win32Surface, FillsLocksBlitsAndPicturesOnFiveSixFive)
{
    WindowedPlatform windowed;
    DirectDrawFixture directDraw{windowed.handle()};
    auto back = directDraw.surface565(33, 10);  // an odd width: rows may be padded
    auto picture = directDraw.surface565(16, 8);
    ASSERT_TRUE(back && picture);
    ASSERT_TRUE(back->fill(platform::Rect{0, 0, 33, 10}, packColour(0x00FFFFFF, 16)));
    ASSERT_TRUE(back->fill(platform::Rect{1, 1, 3, 3}, packColour(0x00808080, 16)));
    // Grey as 5-6-5 in the fill's square only (its right and bottom edges excluded), read
    // through one lock whose rows are a pitch apart, however wide the surface's rows are.
    const std::uint32_t W = 0xFFFF, g = (15u << 11) | (31u << 5) | 15u;
    EXPECT_EQ(pixelsIn(*back, platform::Rect{0, 0, 4, 4}),
              (std::vector<std::uint32_t>{W, W, W, W, W, g, g, W, W, g, g, W, W, W, W, W}));
    platform::LockedPixels locked;
    ASSERT_TRUE(back->lock(platform::Rect{0, 0, 1, 1}, locked));
    EXPECT_FALSE(back->getDrawContext()) << "a locked surface gives no device context";
    EXPECT_TRUE(back->unlock());

    // Left half red, right half black, stretched to twice the file's size.  (The stretch may
    // soften the seam between the halves, so the checks keep off it.)
    TemporaryFolder folder;
    const auto file = (folder.path() / "halves.bmp").string();
    writeBitmapFile(file, 8, 4, [](int x, int) { return x < 4 ? 0x00FF0000u : 0u; });
    ASSERT_TRUE(picture->loadPicture(file.c_str()));
    const std::uint32_t red = packColour(0x00FF0000, 16);
    EXPECT_EQ(pixelAt(*picture, 5, 7), red);
    EXPECT_EQ(pixelAt(*picture, 15, 7), 0u);
    writeBytes(folder.path() / "broken.bmp", std::vector<std::uint8_t>{'B', 'M', 1, 2, 3});
    EXPECT_FALSE(picture->loadPicture((folder.path() / "broken.bmp").string().c_str()));
    EXPECT_EQ(pixelAt(*picture, 0, 0), red) << "a broken file leaves the surface as it was";

    picture->setColourKey(0, 0);
    EXPECT_TRUE(back->blit(*picture, platform::Rect{0, 0, 16, 8}, 17, 2, true));
    EXPECT_EQ(pixelAt(*back, 17, 2), red);
    EXPECT_EQ(pixelAt(*back, 30, 2), W) << "black is transparent in a keyed blit";
    // Plain, and partly off the left edge: the matching inner part lands at the edge.
    EXPECT_TRUE(back->blit(*picture, platform::Rect{0, 0, 16, 8}, -1, 2, false));
    EXPECT_EQ(pixelAt(*back, 0, 2), red);
    EXPECT_EQ(pixelAt(*back, 11, 9), 0u) << "and copied in a plain one";
}

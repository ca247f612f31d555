// Off-screen surfaces at each depth: fill, lock, clipped and keyed blits, pictures, loss.
#include <SDL_image.h>
#include <gtest/gtest.h>

#include "SdlTestSupport.h"

namespace platform::sdl::test {
namespace {

class SurfaceTest : public ::testing::TestWithParam<int> {
protected:
    int bits() const { return GetParam(); }
    std::unique_ptr<Surface> make(int width, int height) { return display.device->createSurface(width, height); }
    // A pattern of raw values that differ in every pixel and never hit the key range below.
    std::uint32_t patternAt(int x, int y) const { return rawColour(bits(), 0x400000 + (y << 8) + (x << 3) + 0x20); }
    void paintPattern(Surface& s) {
        for (int y = 0; y < s.getHeight(); ++y)
            for (int x = 0; x < s.getWidth(); ++x) setPixel(s, x, y, patternAt(x, y));
    }

    Display display{GetParam()};
    TempFolder folder;
};

TEST_P(SurfaceTest, NewSurfacesAreZeroedInTheBackSurfaceFormat) {
    ASSERT_TRUE(display.ready());
    auto s = make(37, 11);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->getBitsPerPixel(), bits());
    EXPECT_EQ(display.device->getBackSurface()->getBitsPerPixel(), bits());
    EXPECT_EQ(s->getWidth(), 37);
    EXPECT_EQ(s->getHeight(), 11);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 37; ++x) ASSERT_EQ(pixelAt(*s, x, y), 0u);
    EXPECT_FALSE(make(0, 10));
    EXPECT_FALSE(make(10, -1));
}

TEST_P(SurfaceTest, FillIsCutToTheSurfaceAndLockPointsAtTheRectangle) {
    ASSERT_TRUE(display.ready());
    auto s = make(10, 8);
    const std::uint32_t red = rawColour(bits(), 0xFF0000);
    ASSERT_TRUE(s->fill(Rect{-5, 6, 3, 20}, red));
    EXPECT_EQ(pixelAt(*s, 0, 7), red);
    EXPECT_EQ(pixelAt(*s, 2, 6), red);
    EXPECT_EQ(pixelAt(*s, 3, 6), 0u);
    EXPECT_EQ(pixelAt(*s, 0, 5), 0u);
    EXPECT_TRUE(s->fill(Rect{20, 20, 30, 30}, red));  // wholly outside: nothing, no fault

    LockedPixels whole, part;
    ASSERT_TRUE(s->lock(Rect{0, 0, 10, 8}, whole));
    ASSERT_TRUE(s->unlock());
    ASSERT_TRUE(s->lock(Rect{2, 6, 4, 8}, part));
    EXPECT_EQ(part.pitch, whole.pitch);
    EXPECT_GE(part.pitch, 10 * bits() / 8);
    EXPECT_EQ(part.bits, whole.bits + 6 * whole.pitch + 2 * (bits() / 8));
    // While locked the surface is busy: no second lock, no fill, no blit into it.
    LockedPixels again;
    EXPECT_FALSE(s->lock(Rect{0, 0, 1, 1}, again));
    EXPECT_FALSE(s->fill(Rect{0, 0, 1, 1}, red));
    auto other = make(2, 2);
    EXPECT_FALSE(s->blit(*other, Rect{0, 0, 2, 2}, 0, 0, false));
    EXPECT_TRUE(s->unlock());
    EXPECT_FALSE(s->unlock());

    EXPECT_FALSE(s->lock(Rect{8, 0, 11, 1}, again));  // reaches past the right edge
    EXPECT_FALSE(s->lock(Rect{-1, 0, 1, 1}, again));
    EXPECT_FALSE(s->lock(Rect{3, 3, 3, 4}, again));   // empty
}

TEST_P(SurfaceTest, BlitsAreCutAtEveryEdgeWithTheSourceMovedAlong) {
    ASSERT_TRUE(display.ready());
    auto source = make(10, 10);
    paintPattern(*source);
    auto target = make(20, 15);

    // Top-left corner cut off: (0, 0) shows source pixel (3, 4).
    ASSERT_TRUE(target->blit(*source, Rect{0, 0, 10, 10}, -3, -4, false));
    EXPECT_EQ(pixelAt(*target, 0, 0), patternAt(3, 4));
    EXPECT_EQ(pixelAt(*target, 6, 5), patternAt(9, 9));
    EXPECT_EQ(pixelAt(*target, 7, 5), 0u);
    EXPECT_EQ(pixelAt(*target, 6, 6), 0u);

    // Bottom-right corner cut off, from an inner source rectangle.
    ASSERT_TRUE(target->blit(*source, Rect{2, 3, 8, 9}, 17, 12, false));
    EXPECT_EQ(pixelAt(*target, 17, 12), patternAt(2, 3));
    EXPECT_EQ(pixelAt(*target, 19, 14), patternAt(4, 5));

    // A source rectangle reaching outside its surface copies only the part that exists.
    ASSERT_TRUE(target->fill(Rect{0, 0, 20, 15}, 0));
    ASSERT_TRUE(target->blit(*source, Rect{-2, -1, 4, 3}, 10, 10, false));
    EXPECT_EQ(pixelAt(*target, 11, 10), 0u);
    EXPECT_EQ(pixelAt(*target, 12, 11), patternAt(0, 0));
    EXPECT_EQ(pixelAt(*target, 15, 13), patternAt(3, 2));

    // Wholly outside: nothing drawn, success.  An inverted rectangle is refused.
    ASSERT_TRUE(target->fill(Rect{0, 0, 20, 15}, 0));
    EXPECT_TRUE(target->blit(*source, Rect{0, 0, 10, 10}, 20, 0, false));
    EXPECT_TRUE(target->blit(*source, Rect{0, 0, 10, 10}, -10, 0, false));
    EXPECT_TRUE(target->blit(*source, Rect{0, 0, 10, 10}, 1 << 30, 1 << 30, false));
    EXPECT_FALSE(target->blit(*source, Rect{5, 5, 2, 9}, 0, 0, false));
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(pixelAt(*target, x, y), 0u);
}

TEST_P(SurfaceTest, KeyedBlitsSkipTheKeyValueOrRangeAndOpaqueBlitsCopyIt) {
    ASSERT_TRUE(display.ready());
    const std::uint32_t black = 0, dark = rawColour(bits(), 0x000008), green = rawColour(bits(), 0x00FF00),
                        white = rawColour(bits(), 0xFFFFFF), grey = rawColour(bits(), 0x808080);
    auto source = make(4, 1);
    setPixel(*source, 0, 0, black);
    setPixel(*source, 1, 0, dark);
    setPixel(*source, 2, 0, green);
    setPixel(*source, 3, 0, white);
    auto target = make(4, 1);

    auto run = [&](bool keyed) {
        target->fill(Rect{0, 0, 4, 1}, grey);
        EXPECT_TRUE(target->blit(*source, Rect{0, 0, 4, 1}, 0, 0, keyed));
        return std::vector<std::uint32_t>{pixelAt(*target, 0, 0), pixelAt(*target, 1, 0), pixelAt(*target, 2, 0),
                                          pixelAt(*target, 3, 0)};
    };
    source->setColourKey(0, 0);  // black is transparent: the game's only key
    EXPECT_EQ(run(true), (std::vector<std::uint32_t>{grey, dark, green, white}));
    EXPECT_EQ(run(false), (std::vector<std::uint32_t>{black, dark, green, white}));

    source->setColourKey(black, dark);  // a real range
    EXPECT_EQ(run(true), (std::vector<std::uint32_t>{grey, grey, green, white}));
    source->setColourKey(dark, green);
    EXPECT_EQ(run(true), (std::vector<std::uint32_t>{black, grey, grey, white}));
    EXPECT_EQ(run(false), (std::vector<std::uint32_t>{black, dark, green, white}));

    // The range copy is cut like any other blit.
    source->setColourKey(0, 0);
    source->setColourKey(black, dark);
    target->fill(Rect{0, 0, 4, 1}, grey);
    EXPECT_TRUE(target->blit(*source, Rect{0, 0, 4, 1}, 2, 0, true));
    EXPECT_EQ(pixelAt(*target, 2, 0), grey);
    EXPECT_EQ(pixelAt(*target, 3, 0), grey);
    EXPECT_TRUE(target->blit(*source, Rect{0, 0, 4, 1}, -2, 0, true));
    EXPECT_EQ(pixelAt(*target, 0, 0), green);
    EXPECT_EQ(pixelAt(*target, 1, 0), white);
}

TEST_P(SurfaceTest, ABlitOntoItsOwnSurfaceReadsThePictureAsItWas) {
    ASSERT_TRUE(display.ready());
    auto s = make(8, 8);
    paintPattern(*s);
    ASSERT_TRUE(s->blit(*s, Rect{0, 0, 6, 6}, 2, 2, false));  // overlapping, moved down-right
    EXPECT_EQ(pixelAt(*s, 2, 2), patternAt(0, 0));
    EXPECT_EQ(pixelAt(*s, 7, 7), patternAt(5, 5));
    EXPECT_EQ(pixelAt(*s, 1, 1), patternAt(1, 1));
}

TEST_P(SurfaceTest, LostSurfacesRefuseWorkUntilRestoredAndComeBackZeroed) {
    ASSERT_TRUE(display.ready());
    auto s = make(4, 4);
    auto other = make(4, 4);
    ASSERT_TRUE(s->fill(Rect{0, 0, 4, 4}, rawColour(bits(), 0x00FF00)));
    loseSurface(*s);
    EXPECT_TRUE(s->isLost());
    LockedPixels locked;
    EXPECT_FALSE(s->fill(Rect{0, 0, 1, 1}, 0));
    EXPECT_FALSE(s->lock(Rect{0, 0, 1, 1}, locked));
    EXPECT_FALSE(s->blit(*other, Rect{0, 0, 4, 4}, 0, 0, false));
    EXPECT_FALSE(other->blit(*s, Rect{0, 0, 4, 4}, 0, 0, false));  // nor can it be read
    EXPECT_EQ(s->getDrawContext(), nullptr);
    EXPECT_TRUE(s->restore());
    EXPECT_FALSE(s->isLost());
    EXPECT_EQ(pixelAt(*s, 3, 3), 0u);
    EXPECT_TRUE(other->blit(*s, Rect{0, 0, 4, 4}, 0, 0, false));
    EXPECT_TRUE(s->restore());  // restoring a surface that is fine is harmless
}

TEST_P(SurfaceTest, PicturesAreScaledToTheSurfaceAndBadFilesChangeNothing) {
    ASSERT_TRUE(display.ready());
    // Four quadrants of pure colours, so nearest-pixel scaling keeps them exact.
    auto quadrants = [](int w, int h) {
        return [w, h](int x, int y) -> std::uint32_t {
            const bool right = x >= w / 2, bottom = y >= h / 2;
            return bottom ? (right ? 0xFFFFFF : 0x0000FF) : (right ? 0x00FF00 : 0xFF0000);
        };
    };
    auto check = [&](Surface& s) {
        EXPECT_EQ(pixelAt(s, 0, 0), rawColour(bits(), 0xFF0000));
        EXPECT_EQ(pixelAt(s, 19, 0), rawColour(bits(), 0x00FF00));
        EXPECT_EQ(pixelAt(s, 0, 9), rawColour(bits(), 0x0000FF));
        EXPECT_EQ(pixelAt(s, 19, 9), rawColour(bits(), 0xFFFFFF));
        EXPECT_EQ(pixelAt(s, 9, 4), rawColour(bits(), 0xFF0000));
        EXPECT_EQ(pixelAt(s, 10, 5), rawColour(bits(), 0xFFFFFF));
    };
    auto s = make(20, 10);
    for (auto size : {std::pair{20, 10}, std::pair{80, 40}, std::pair{4, 2}, std::pair{10, 30}}) {
        SCOPED_TRACE(std::to_string(size.first) + "x" + std::to_string(size.second));
        const std::string file = folder.file("quadrants.bmp");
        ASSERT_TRUE(writePicture(file, size.first, size.second, quadrants(size.first, size.second)));
        ASSERT_TRUE(s->fill(Rect{0, 0, 20, 10}, 0));
        ASSERT_TRUE(s->loadPicture(file.c_str()));
        if (size.second != 30) check(*s);
    }

    // Missing, garbage, truncated and absurd files report false and leave the surface as it was.
    const std::uint32_t mark = rawColour(bits(), 0x123456);
    ASSERT_TRUE(s->fill(Rect{0, 0, 20, 10}, mark));
    writeFile(folder.file("garbage.bmp"), std::string(500, 'x'));
    writeFile(folder.file("empty.bmp"), "");
    const std::string whole = readFile(folder.file("quadrants.bmp"));
    writeFile(folder.file("truncated.bmp"), whole.substr(0, whole.size() / 2));
    writeFile(folder.file("header-only.bmp"), whole.substr(0, 30));
    std::string huge = whole;
    huge[18] = huge[19] = huge[20] = huge[22] = huge[23] = huge[24] = '\x7f';  // 2 billion square
    writeFile(folder.file("huge.bmp"), huge);
    for (const char* name : {"missing.bmp", "garbage.bmp", "empty.bmp", "truncated.bmp", "header-only.bmp", "huge.bmp"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(s->loadPicture(folder.file(name).c_str()));
        EXPECT_EQ(pixelAt(*s, 0, 0), mark);
        EXPECT_EQ(pixelAt(*s, 19, 9), mark);
    }
    EXPECT_FALSE(s->loadPicture(nullptr));
    EXPECT_FALSE(s->loadPicture(folder.path().c_str()));  // a folder, not a file
}

TEST_P(SurfaceTest, PicturesOfAnyFileDepthKeepBlackTransparent) {
    ASSERT_TRUE(display.ready());
    // A 16-bit file: SDL's conversion to 32 bits fills the unused byte, which must not
    // stop black from matching the key 0.
    writePicture555(folder.file("black16.bmp"), 4, 4, 0x0000);
    auto picture = make(4, 4);
    ASSERT_TRUE(picture->loadPicture(folder.file("black16.bmp").c_str()));
    EXPECT_EQ(pixelAt(*picture, 1, 1), 0u);
    picture->setColourKey(0, 0);
    auto target = make(4, 4);
    const std::uint32_t grey = rawColour(bits(), 0x808080);
    target->fill(Rect{0, 0, 4, 4}, grey);
    ASSERT_TRUE(target->blit(*picture, Rect{0, 0, 4, 4}, 0, 0, true));
    EXPECT_EQ(pixelAt(*target, 2, 2), grey);

    writePicture555(folder.file("white16.bmp"), 4, 4, 0x7FFF);
    ASSERT_TRUE(picture->loadPicture(folder.file("white16.bmp").c_str()));
    EXPECT_EQ(pixelAt(*picture, 0, 0), rawColour(bits(), 0xFFFFFF));
}

TEST_P(SurfaceTest, ScreenshotsAre24BitRgbWhateverTheDepth) {
    ASSERT_TRUE(display.ready());
    Surface& back = *display.device->getBackSurface();
    ASSERT_TRUE(back.fill(Rect{0, 0, 800, 600}, rawColour(bits(), 0x0000FF)));
    ASSERT_TRUE(back.fill(Rect{0, 0, 400, 300}, rawColour(bits(), 0xFF0000)));
    const std::string file = folder.file("shot.png");
    ASSERT_TRUE(saveScreenshot(back, file.c_str()));
    SDL_Surface* png = IMG_Load(file.c_str());
    ASSERT_TRUE(png);
    ASSERT_EQ(png->w, 800);
    ASSERT_EQ(png->h, 600);
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(png, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(png);
    ASSERT_TRUE(rgb);
    auto rgbAt = [rgb](int x, int y) {
        return static_cast<const std::uint32_t*>(rgb->pixels)[y * rgb->pitch / 4 + x] & 0xFFFFFF;
    };
    EXPECT_EQ(rgbAt(0, 0), 0xFF0000u);
    EXPECT_EQ(rgbAt(399, 299), 0xFF0000u);
    EXPECT_EQ(rgbAt(400, 299), 0x0000FFu);
    EXPECT_EQ(rgbAt(799, 599), 0x0000FFu);
    SDL_FreeSurface(rgb);
    const std::string bytes = readFile(file);
    ASSERT_GT(bytes.size(), 33u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    EXPECT_EQ(static_cast<unsigned char>(bytes[24]), 8);  // bit depth
    EXPECT_EQ(static_cast<unsigned char>(bytes[25]), 2);  // colour type: RGB, no alpha
    EXPECT_FALSE(saveScreenshot(back, (folder.file("no-such-folder") + "/shot.png").c_str()));
    loseSurface(back);
    EXPECT_FALSE(saveScreenshot(back, file.c_str()));
}

INSTANTIATE_TEST_SUITE_P(Depths, SurfaceTest, ::testing::Values(16, 24, 32),
                         [](const ::testing::TestParamInfo<int>& depth) { return std::to_string(depth.param) + "bits"; });

}  // namespace
}  // namespace platform::sdl::test

// Off-screen surfaces at each depth: fill, lock, clipped and keyed blits, pictures, loss.
#include <gtest/gtest.h>

#include <vector>

#include "SdlTestSupport.h"
#include "platform/Clipping.h"

namespace platform::sdl::test {
namespace {

class SurfaceTest : public ::testing::TestWithParam<int> {
protected:
    int bits() const { return GetParam(); }
    std::uint32_t raw(std::uint32_t rgb) const { return rawColour(bits(), rgb); }
    std::unique_ptr<Surface> make(int width, int height) { return display.device->createSurface(width, height); }
    // Raw values that differ in every pixel.
    std::uint32_t patternAt(int x, int y) const { return raw(0x400020 + (y << 8) + (x << 3)); }
    std::unique_ptr<Surface> patterned(int side)
    {
        auto s = make(side, side);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                s->fill(Rect{x, y, x + 1, y + 1}, patternAt(x, y));
        return s;
    }

    Display display{GetParam()};
    TempFolder folder;
};

TEST_P(SurfaceTest, NewSurfacesAreZeroedFillsAreCutAndLockedSurfacesAreBusy)
{
    ASSERT_TRUE(display.ready());
    auto s = make(10, 8);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->getBitsPerPixel(), bits());
    EXPECT_EQ(pixelAt(*s, 9, 7), 0u);
    EXPECT_FALSE(make(0, 10));

    ASSERT_TRUE(s->fill(Rect{-5, 6, 3, 20}, raw(0xFF0000)));  // cut to the surface
    EXPECT_EQ(pixelAt(*s, 0, 7), raw(0xFF0000));
    EXPECT_EQ(pixelAt(*s, 3, 6), 0u);
    EXPECT_EQ(pixelAt(*s, 0, 5), 0u);
    const Rect cut = clipToSurface(Rect{-5, 6, 3, 20}, 10, 8);  // what every layer fills
    EXPECT_EQ((std::vector<int>{cut.left, cut.top, cut.right, cut.bottom}), (std::vector<int>{0, 6, 3, 8}));

    // A locked surface is busy.  (Where a lock points is read by every picture the game draws.)
    LockedPixels part, again;
    ASSERT_TRUE(s->lock(Rect{2, 6, 4, 8}, part));
    EXPECT_FALSE(s->lock(Rect{0, 0, 1, 1}, again));
    EXPECT_FALSE(s->fill(Rect{0, 0, 1, 1}, 0));
    EXPECT_FALSE(s->blit(*make(2, 2), Rect{0, 0, 2, 2}, 0, 0, false));
    EXPECT_TRUE(s->unlock());
    EXPECT_FALSE(s->unlock());
    for (Rect bad : {Rect{8, 0, 11, 1}, Rect{-1, 0, 1, 1}, Rect{3, 3, 3, 4}, Rect{0, 7, 1, 9}, Rect{0, -1, 1, 1}})
        EXPECT_FALSE(s->lock(bad, again));
}

TEST_P(SurfaceTest, BlitsAreCutAtEveryEdgeWithTheSourceMovedAlong)
{
    ASSERT_TRUE(display.ready());
    auto source = patterned(10);
    auto target = make(20, 15);
    ASSERT_TRUE(target->blit(*source, Rect{0, 0, 10, 10}, -3, -4, false));
    EXPECT_EQ(pixelAt(*target, 0, 0), patternAt(3, 4));
    EXPECT_EQ(pixelAt(*target, 6, 5), patternAt(9, 9));
    EXPECT_EQ(pixelAt(*target, 7, 5), 0u);
    ASSERT_TRUE(target->blit(*source, Rect{2, 3, 8, 9}, 17, 12, false));
    EXPECT_EQ(pixelAt(*target, 17, 12), patternAt(2, 3));
    EXPECT_EQ(pixelAt(*target, 19, 14), patternAt(4, 5));
    // A source rectangle reaching outside its own surface copies the part that exists.
    ASSERT_TRUE(target->blit(*source, Rect{-2, -1, 4, 3}, 10, 10, false));
    EXPECT_EQ(pixelAt(*target, 11, 10), 0u);
    EXPECT_EQ(pixelAt(*target, 12, 11), patternAt(0, 0));

    // Wholly outside draws nothing and succeeds; an inverted rectangle is refused.
    auto clean = make(20, 15);
    EXPECT_TRUE(clean->blit(*source, Rect{0, 0, 10, 10}, 20, 0, false));
    EXPECT_TRUE(clean->blit(*source, Rect{0, 0, 10, 10}, -10, 0, false));
    EXPECT_TRUE(clean->blit(*source, Rect{0, 0, 10, 10}, 1 << 30, 1 << 30, false));
    EXPECT_FALSE(clean->blit(*source, Rect{5, 5, 2, 9}, 0, 0, false));
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(pixelAt(*clean, x, y), 0u);

    // Onto itself, overlapping: the picture is read as it was before the blit.
    ASSERT_TRUE(source->blit(*source, Rect{0, 0, 6, 6}, 2, 2, false));
    EXPECT_EQ(pixelAt(*source, 2, 2), patternAt(0, 0));
    EXPECT_EQ(pixelAt(*source, 7, 7), patternAt(5, 5));
}

TEST_P(SurfaceTest, KeyedBlitsSkipTheKeyValueOrRange)
{
    ASSERT_TRUE(display.ready());
    const std::uint32_t grey = raw(0x808080);
    const std::vector<std::uint32_t> row = {0, raw(0x000008), raw(0x00FF00), raw(0xFFFFFF)};
    auto source = make(4, 1);
    for (int x = 0; x < 4; ++x)
        source->fill(Rect{x, 0, x + 1, 1}, row[x]);
    auto target = make(4, 1);
    auto copy = [&](int x, bool keyed) {
        target->fill(Rect{0, 0, 4, 1}, grey);
        EXPECT_TRUE(target->blit(*source, Rect{0, 0, 4, 1}, x, 0, keyed));
        std::vector<std::uint32_t> out;
        for (int i = 0; i < 4; ++i)
            out.push_back(pixelAt(*target, i, 0));
        return out;
    };
    using V = std::vector<std::uint32_t>;
    source->setColourKey(0, 0);  // the game's key: black is transparent
    EXPECT_EQ(copy(0, true), (V{grey, row[1], row[2], row[3]}));
    EXPECT_EQ(copy(0, false), row);
    source->setColourKey(row[1], row[2]);  // a real range
    EXPECT_EQ(copy(0, true), (V{0, grey, grey, row[3]}));
    EXPECT_EQ(copy(-2, true), (V{grey, row[3], grey, grey}));
}

TEST_P(SurfaceTest, LostSurfacesRefuseWorkUntilRestoredZeroed)
{
    ASSERT_TRUE(display.ready());
    auto s = make(4, 4);
    ASSERT_TRUE(s->fill(Rect{0, 0, 4, 4}, raw(0x00FF00)));
    loseSurface(*s);
    EXPECT_FALSE(s->fill(Rect{0, 0, 1, 1}, 0));
    EXPECT_TRUE(s->restore());
    EXPECT_EQ(pixelAt(*s, 3, 3), 0u);
}

TEST_P(SurfaceTest, PicturesAreScaledToTheSurfaceAndBadFilesChangeNothing)
{
    ASSERT_TRUE(display.ready());
    auto s = make(20, 10);
    for (auto [w, h] : {std::pair{20, 10}, std::pair{80, 40}, std::pair{4, 2}}) {
        SCOPED_TRACE(w);
        // Four quadrants of pure colours, exact under nearest-pixel scaling.
        writeBitmapFile(folder.file("q.bmp"), w, h, [w, h](int x, int y) -> std::uint32_t {
            return y < h / 2 ? (x < w / 2 ? 0xFF0000 : 0x00FF00) : (x < w / 2 ? 0x0000FF : 0xFFFFFF);
        });
        ASSERT_TRUE(s->loadPicture(folder.file("q.bmp").c_str()));
        EXPECT_EQ(pixelAt(*s, 9, 4), raw(0xFF0000));
        EXPECT_EQ(pixelAt(*s, 10, 4), raw(0x00FF00));
        EXPECT_EQ(pixelAt(*s, 9, 5), raw(0x0000FF));
        EXPECT_EQ(pixelAt(*s, 19, 9), raw(0xFFFFFF));
    }
    ASSERT_TRUE(s->fill(Rect{0, 0, 20, 10}, raw(0x123456)));
    const std::string good = readTextFile(folder.file("q.bmp"));
    std::string huge = good;
    huge.replace(18, 8, "\xff\xff\xff\x7f\xff\xff\xff\x7f");  // a header asking for gigabytes
    const std::pair<const char*, std::string> bad[] = {{"garbage.bmp", std::string(500, 'x')},
                                                       {"empty.bmp", ""},
                                                       {"cut.bmp", good.substr(0, good.size() / 2)},
                                                       {"header.bmp", good.substr(0, 30)},
                                                       {"huge.bmp", huge}};
    for (const auto& [name, bytes] : bad)
        writeFile(folder.file(name), bytes);
    for (const char* name : {"missing.bmp", "garbage.bmp", "empty.bmp", "cut.bmp", "header.bmp", "huge.bmp", ""}) {
        EXPECT_FALSE(s->loadPicture(folder.file(name).c_str())) << name;
        EXPECT_EQ(pixelAt(*s, 19, 9), raw(0x123456)) << name;
    }
    EXPECT_FALSE(s->loadPicture(nullptr));
}

INSTANTIATE_TEST_SUITE_P(Depths, SurfaceTest, ::testing::Values(16, 24, 32),
                         [](const ::testing::TestParamInfo<int>& depth) {
                             return std::to_string(depth.param) + "bits";
                         });

}  // namespace
}  // namespace platform::sdl::test

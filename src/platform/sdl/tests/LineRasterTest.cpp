// Golden pixel maps of the pen lines: the measured examples and the rules around them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sdl/SdlLineRaster.h"

namespace {

using platform::Rect;
using platform::sdl::rasterThinLine;
using platform::sdl::rasterWideLine;

const Rect everything{-1000, -1000, 1000, 1000};

// The painted pixels of a 14 x 10 area, one word per painted row: "y:" and the row up to its
// last painted pixel, '#' painted, '.' not.  No pixel may be painted twice.
template <typename Raster>
std::string mapOf(Raster raster)
{
    std::vector<std::string> rows(10, std::string(14, '.'));
    raster([&rows](int x, int y) {
        ASSERT_TRUE(x >= 0 && y >= 0 && x < 14 && y < 10) << x << "," << y;
        ASSERT_EQ(rows[y][x], '.') << "pixel (" << x << ", " << y << ") painted twice";
        rows[y][x] = '#';
    });
    std::string map;
    for (int y = 0; y < 10; ++y)
        if (const auto last = rows[y].rfind('#'); last != std::string::npos)
            map += (map.empty() ? "" : " ") + std::to_string(y) + ":" + rows[y].substr(0, last + 1);
    return map;
}

std::string thin(int x1, int y1, int x2, int y2)
{
    return mapOf([&](platform::sdl::PlotPixel plot) { rasterThinLine(x1, y1, x2, y2, everything, plot); });
}

std::string wide(int x1, int y1, int x2, int y2)
{
    return mapOf([&](platform::sdl::PlotPixel plot) { rasterWideLine(x1, y1, x2, y2, 2, everything, plot); });
}

TEST(ThinLine, MeasuredShallowLineTakesUpperPixelOnTies)
{
    EXPECT_EQ(thin(2, 2, 10, 6), "2:..## 3:....## 4:......## 5:........##");
}

TEST(ThinLine, FirstPixelPaintedEndPointLeftOut)
{
    EXPECT_EQ(thin(3, 4, 13, 4), "4:...##########");
    // Drawn the other way the end point (now (3, 4)) is the one left out.
    EXPECT_EQ(thin(13, 4, 3, 4), "4:....##########");
    EXPECT_EQ(thin(5, 5, 5, 5), "");
}

TEST(ThinLine, SteepLineTakesLeftPixelOnTiesAndDiagonalIsExact)
{
    EXPECT_EQ(thin(2, 1, 5, 7), "1:..# 2:..# 3:...# 4:...# 5:....# 6:....#");
    EXPECT_EQ(thin(8, 1, 4, 5), "1:........# 2:.......# 3:......# 4:.....#");
}

TEST(ThinLine, ClipKeepsTheSamePixels)
{
    std::vector<std::pair<int, int>> full;
    std::vector<std::pair<int, int>> clipped;
    rasterThinLine(-50, 3, 300, 40, everything, [&](int x, int y) {
        if (x >= 0 && x < 100 && y >= 0 && y < 100)
            full.emplace_back(x, y);
    });
    rasterThinLine(-50, 3, 300, 40, Rect{0, 0, 100, 100}, [&](int x, int y) { clipped.emplace_back(x, y); });
    EXPECT_EQ(full, clipped);
    // A line far off the surface costs nothing and paints nothing.
    int count = 0;
    rasterThinLine(-2000000000, 5, 2000000000, 6, Rect{0, 0, 0, 0}, [&](int, int) { ++count; });
    EXPECT_EQ(count, 0);
}

TEST(WideLine, MeasuredLinesAreTheSameDrawnEitherWay)
{
    const struct {
        int x1, y1, x2, y2;
        const char* map;
    } cases[] = {
        {3, 3, 10, 3, "2:..######### 3:..#########"},
        {3, 3, 3, 8, "2:..## 3:..## 4:..## 5:..## 6:..## 7:..## 8:..##"},
        {2, 2, 10, 6, "1:.## 2:.#### 3:..##### 4:....##### 5:......##### 6:........###"},
        {5, 5, 5, 5, "4:....## 5:....##"},  // zero length: a 2 x 2 block
    };
    for (const auto& c : cases) {
        EXPECT_EQ(wide(c.x1, c.y1, c.x2, c.y2), c.map) << c.x1 << "," << c.y1;
        EXPECT_EQ(wide(c.x2, c.y2, c.x1, c.y1), c.map) << c.x2 << "," << c.y2;
    }
}

}  // namespace

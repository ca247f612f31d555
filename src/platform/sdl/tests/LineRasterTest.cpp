// Golden pixel maps of the pen lines: the measured examples and the rules around them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sdl/SdlLineRaster.h"

namespace {

using platform::Rect;
using platform::sdl::rasterThinLine;
using platform::sdl::rasterWideLine;

// A 14 x 10 map of painted pixels, one string per row, '#' painted, '.' not.
class PixelMap {
public:
    PixelMap() : rows(10, std::string(14, '.')) {}
    platform::sdl::PlotPixel plotter()
    {
        return [this](int x, int y) {
            ASSERT_GE(x, 0);
            ASSERT_GE(y, 0);
            ASSERT_LT(x, 14);
            ASSERT_LT(y, 10);
            ASSERT_EQ(rows[y][x], '.') << "pixel (" << x << ", " << y << ") painted twice";
            rows[y][x] = '#';
        };
    }
    std::vector<std::string> rows;
};

const Rect everything{-1000, -1000, 1000, 1000};

std::vector<std::string> thin(int x1, int y1, int x2, int y2)
{
    PixelMap map;
    rasterThinLine(x1, y1, x2, y2, everything, map.plotter());
    return map.rows;
}

std::vector<std::string> wide(int x1, int y1, int x2, int y2, int width = 2)
{
    PixelMap map;
    rasterWideLine(x1, y1, x2, y2, width, everything, map.plotter());
    return map.rows;
}

TEST(ThinLine, MeasuredShallowLineTakesUpperPixelOnTies)
{
    const std::vector<std::string> expected = {
        "..............", "..............", "..##..........", "....##........", "......##......",
        "........##....", "..............", "..............", "..............", "..............",
    };
    EXPECT_EQ(thin(2, 2, 10, 6), expected);
}

TEST(ThinLine, FirstPixelPaintedEndPointLeftOut)
{
    std::vector<std::pair<int, int>> painted;
    rasterThinLine(10, 10, 20, 10, everything, [&](int x, int y) { painted.emplace_back(x, y); });
    ASSERT_EQ(painted.size(), 10u);
    EXPECT_EQ(painted.front(), std::make_pair(10, 10));
    EXPECT_EQ(painted.back(), std::make_pair(19, 10));

    // Drawn the other way the end point (now (10, 10)) is the one left out.
    painted.clear();
    rasterThinLine(20, 10, 10, 10, everything, [&](int x, int y) { painted.emplace_back(x, y); });
    ASSERT_EQ(painted.size(), 10u);
    EXPECT_EQ(painted.front(), std::make_pair(20, 10));
    EXPECT_EQ(painted.back(), std::make_pair(11, 10));

    painted.clear();
    rasterThinLine(5, 5, 5, 5, everything, [&](int x, int y) { painted.emplace_back(x, y); });
    EXPECT_TRUE(painted.empty());
}

TEST(ThinLine, SteepLineTakesLeftPixelOnTiesAndDiagonalIsExact)
{
    const std::vector<std::string> expected = {
        "..............", "..#...........", "..#...........", "...#..........", "...#..........",
        "....#.........", "....#.........", "..............", "..............", "..............",
    };
    EXPECT_EQ(thin(2, 1, 5, 7), expected);

    const std::vector<std::string> diagonal = {
        "..............", "........#.....", ".......#......", "......#.......", ".....#........",
        "..............", "..............", "..............", "..............", "..............",
    };
    EXPECT_EQ(thin(8, 1, 4, 5), diagonal);
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

TEST(WideLine, MeasuredHorizontalAndVertical)
{
    const std::vector<std::string> horizontal = {
        "..............", "..............", "..#########...", "..#########...", "..............",
        "..............", "..............", "..............", "..............", "..............",
    };
    EXPECT_EQ(wide(3, 3, 10, 3), horizontal);
    EXPECT_EQ(wide(10, 3, 3, 3), horizontal);

    const std::vector<std::string> vertical = {
        "..............", "..............", "..##..........", "..##..........", "..##..........",
        "..##..........", "..##..........", "..##..........", "..##..........", "..............",
    };
    EXPECT_EQ(wide(3, 3, 3, 8), vertical);
    EXPECT_EQ(wide(3, 8, 3, 3), vertical);
}

TEST(WideLine, MeasuredDiagonalInBothDirections)
{
    const std::vector<std::string> expected = {
        "..............", ".##...........", ".####.........", "..#####.......", "....#####.....",
        "......#####...", "........###...", "..............", "..............", "..............",
    };
    EXPECT_EQ(wide(2, 2, 10, 6), expected);
    EXPECT_EQ(wide(10, 6, 2, 2), expected);
}

TEST(WideLine, ZeroLengthIsATwoByTwoBlock)
{
    const std::vector<std::string> expected = {
        "..............", "..............", "..............", "..............", "....##........",
        "....##........", "..............", "..............", "..............", "..............",
    };
    EXPECT_EQ(wide(5, 5, 5, 5), expected);
}

}  // namespace

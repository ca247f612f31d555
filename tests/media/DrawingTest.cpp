// Rectangles, lines, text and numbers drawn by the application into the back surface.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "support/HeadlessApp.h"

namespace {

struct Ink {
    int left = 1 << 30;
    int top = 1 << 30;
    int right = -1;
    int bottom = -1;
    bool empty() const { return right < 0; }
};

class Drawing : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        app = std::make_unique<HeadlessApp>(GetParam());
        ASSERT_TRUE(app->app().initialised);
        ASSERT_TRUE(app->app().fillRect(0, 0, 800, 600, 0));
    }
    Application& game() { return app->app(); }
    // Where anything but black lies within a region of the screen.
    Ink inkIn(int left, int top, int right, int bottom)
    {
        Ink ink;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (app->colourAt(x, y) != 0) {
                    ink.left = std::min(ink.left, x);
                    ink.top = std::min(ink.top, y);
                    ink.right = std::max(ink.right, x + 1);
                    ink.bottom = std::max(ink.bottom, y + 1);
                }
        return ink;
    }
    std::unique_ptr<HeadlessApp> app;
};

TEST_P(Drawing, FillPacksTheColourForTheDepth)
{
    ASSERT_TRUE(game().fillRect(10, 10, 5, 5, 0xFFFFFF));
    ASSERT_TRUE(game().fillRect(20, 10, 5, 5, 0x808080));
    const std::uint32_t white = app->pixel(12, 12);
    const std::uint32_t grey = app->pixel(22, 12);
    switch (GetParam()) {
    case 16:
        EXPECT_EQ(white, 0xFFFFu);
        EXPECT_EQ(grey >> 11, 15u);
        EXPECT_EQ((grey >> 5) & 0x3F, 31u);
        EXPECT_EQ(grey & 0x1F, 15u);
        break;
    case 24:
        EXPECT_EQ(white, 0xFFFFFFu);
        EXPECT_EQ(grey, 0x808080u);
        break;
    default: EXPECT_EQ(white, 0xFFFFFFFFu); EXPECT_EQ(grey, 0xFF808080u);
    }
    EXPECT_EQ(app->colourAt(15, 12), 0u);
    EXPECT_EQ(app->colourAt(12, 15), 0u);
    // Cut to the picture at its edges.
    EXPECT_TRUE(game().fillRect(790, 590, 50, 50, 0xFFFFFF));
    EXPECT_NE(app->colourAt(799, 599), 0u);
}

TEST_P(Drawing, LineLeavesItsEndPointOut)
{
    ASSERT_TRUE(game().beginDraw());
    game().selectPen(1, 0xFFFFFF);
    game().drawLine(10, 10, 20, 10);
    game().deletePen();
    game().endDraw();
    for (int x = 10; x < 20; ++x)
        EXPECT_NE(app->colourAt(x, 10), 0u) << x;
    EXPECT_EQ(app->colourAt(20, 10), 0u);
    EXPECT_EQ(app->colourAt(9, 10), 0u);

    // A framed box's 2-pixel border, as the panels draw it.
    ASSERT_TRUE(game().beginDraw());
    game().selectPen(2, 0xFF9900);
    game().drawLine(100, 100, 200, 100);
    game().drawLine(200, 100, 200, 150);
    game().drawLine(200, 150, 100, 150);
    game().drawLine(100, 150, 100, 100);
    game().deletePen();
    game().endDraw();
    const Ink border = inkIn(90, 90, 210, 160);
    EXPECT_EQ(border.left, 99);
    EXPECT_EQ(border.top, 99);
    EXPECT_EQ(border.right, 201);
    EXPECT_EQ(border.bottom, 151);
    EXPECT_EQ(app->colourAt(150, 125), 0u);
    EXPECT_EQ(app->colourAt(99, 99) & 0xF0F000u, 0xF09000u);
}

TEST_P(Drawing, CentredTextStartsAtTheTopAndIsCentred)
{
    int width = 0;
    int height = 0;
    game().measureText("Game Over", 9, "Arial", 16, &width, &height);
    EXPECT_EQ(height, 16);
    ASSERT_GT(width, 40);

    ASSERT_TRUE(game().beginDraw());
    game().selectFont("Arial", 16, 0xFFFFFF);
    game().drawText(100, 200, 400, 260, 1, "Game Over");
    game().deleteFont();
    game().endDraw();
    const Ink ink = inkIn(80, 180, 420, 280);
    ASSERT_FALSE(ink.empty());
    const int penLeft = (100 + 400 - width) / 2;
    EXPECT_NEAR(ink.left, penLeft, 2);
    EXPECT_NEAR(ink.right, penLeft + width, 2);
    EXPECT_GE(ink.top, 200);
    EXPECT_LE(ink.top, 204);  // capitals reach to within a few pixels of the top
    EXPECT_LE(ink.bottom, 216);
}

TEST_P(Drawing, NumbersFromZeroToTheLargest)
{
    int zeroWidth = 0;
    int largestWidth = 0;
    int height = 0;
    game().measureText("0", 1, "Arial", 16, &zeroWidth, &height);
    game().measureText("4294967295", 10, "Arial", 16, &largestWidth, &height);
    EXPECT_EQ(largestWidth, 10 * zeroWidth);  // the digits share one width

    ASSERT_TRUE(game().beginDraw());
    game().selectFont("Arial", 16, 0xFFFFFF);
    game().drawNumber(100, 100, 300, 120, 2, 0);
    game().drawNumber(100, 200, 300, 220, 2, 4294967295u);
    game().deleteFont();
    game().endDraw();
    const Ink zero = inkIn(90, 95, 310, 125);
    const Ink largest = inkIn(90, 195, 310, 225);
    EXPECT_LE(zero.right, 300);
    EXPECT_GE(zero.left, 300 - zeroWidth);
    EXPECT_NEAR(largest.left, 300 - largestWidth, 2);
    EXPECT_LE(largest.right, 300);
}

TEST_P(Drawing, NamesWithAnAmpersandKeepIt)
{
    int before = 0;
    int through = 0;
    int height = 0;
    game().measureText("Tom & Jerry", 4, "Arial", 16, &before, &height);
    game().measureText("Tom & Jerry", 5, "Arial", 16, &through, &height);
    ASSERT_GT(through, before);

    ASSERT_TRUE(game().beginDraw());
    game().selectFont("Arial", 16, 0xFFFFFF);
    game().drawText(50, 50, 400, 70, 0, "Tom & Jerry");
    game().deleteFont();
    game().endDraw();
    const Ink ampersand = inkIn(50 + before, 50, 50 + through, 70);
    ASSERT_FALSE(ampersand.empty());
    EXPECT_GE(ampersand.bottom - ampersand.top, 8);
    // No underline under the following space.
    int full = 0;
    game().measureText("Tom & Jerry", 6, "Arial", 16, &full, &height);
    EXPECT_TRUE(inkIn(50 + through + 1, 50, 50 + full - 1, 70).empty());
}

TEST_P(Drawing, MeasuringOpensAndClosesItsOwnBracket)
{
    int width = -1;
    int height = -1;
    game().measureText("Score", 3, "Arial", 20, &width, &height);
    EXPECT_EQ(height, 20);
    int all = 0;
    game().measureText("Score", 5, "Arial", 20, &all, &height);
    EXPECT_GT(all, width);
    // Counts beyond the text stop at its end; nothing at all measures zero wide.
    int beyond = 0;
    game().measureText("Score", 50, "Arial", 20, &beyond, &height);
    EXPECT_EQ(beyond, all);
    game().measureText("Score", 0, "Arial", 20, &width, &height);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(game().drawDC, nullptr);
    EXPECT_TRUE(game().fillRect(0, 0, 10, 10, 0x123456));
}

INSTANTIATE_TEST_SUITE_P(Depths, Drawing, ::testing::Values(16, 24, 32));

}  // namespace

// Text drawn and measured by the application into the back surface.
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

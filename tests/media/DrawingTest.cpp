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
    // Draws the text in white "Arial" 16 into the rectangle.
    void drawWhite(int left, int top, int right, int bottom, int alignment, const char* text)
    {
        ASSERT_TRUE(game().beginDraw());
        game().selectFont("Arial", 16, 0xFFFFFF);
        game().drawText(left, top, right, bottom, alignment, text);
        game().deleteFont();
        game().endDraw();
    }
    // The width of the text's first `count` bytes in "Arial" at `height`.
    int widthOf(const char* text, int count, int height = 16)
    {
        int width = -1;
        int lineHeight = -1;
        game().measureText(text, count, "Arial", height, &width, &lineHeight);
        EXPECT_EQ(lineHeight, height);
        return width;
    }
    std::unique_ptr<HeadlessApp> app;
};

TEST_P(Drawing, CentredTextStartsAtTheTopAndIsCentred)
{
    const int width = widthOf("Game Over", 9);
    ASSERT_GT(width, 40);
    drawWhite(100, 200, 400, 260, 1, "Game Over");
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
    const int before = widthOf("Tom & Jerry", 4);
    const int through = widthOf("Tom & Jerry", 5);
    ASSERT_GT(through, before);
    drawWhite(50, 50, 400, 70, 0, "Tom & Jerry");
    const Ink ampersand = inkIn(50 + before, 50, 50 + through, 70);
    ASSERT_FALSE(ampersand.empty());
    EXPECT_GE(ampersand.bottom - ampersand.top, 8);
    // No underline under the following space.
    EXPECT_TRUE(inkIn(50 + through + 1, 50, 50 + widthOf("Tom & Jerry", 6) - 1, 70).empty());
}

TEST_P(Drawing, MeasuringOpensAndClosesItsOwnBracket)
{
    const int all = widthOf("Score", 5, 20);
    EXPECT_GT(all, widthOf("Score", 3, 20));
    // Counts beyond the text stop at its end; nothing at all measures zero wide.
    EXPECT_EQ(widthOf("Score", 50, 20), all);
    EXPECT_EQ(widthOf("Score", 0, 20), 0);
    EXPECT_EQ(game().drawDC, nullptr);
    EXPECT_TRUE(game().fillRect(0, 0, 10, 10, 0x123456));
}

INSTANTIATE_TEST_SUITE_P(Depths, Drawing, ::testing::Values(16, 24, 32));

}  // namespace

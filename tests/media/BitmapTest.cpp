// Pictures and text on the real SDL layer, headless: loading, cells, clipping, keys, the blend,
// and text drawn and measured.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "media/Bitmap.h"
#include "app/PixelPacking.h"
#include "platform/Surface.h"
#include "platform/sdl/SdlPlatform.h"
#include "support/HeadlessApp.h"
#include "support/TestFiles.h"

namespace {

// Colour of a picture pixel that tells where it came from.
std::uint32_t where(int x, int y)
{
    return (static_cast<std::uint32_t>(x * 5 + 10) << 16) | (static_cast<std::uint32_t>(y * 5 + 10) << 8) | 0x80u;
}

class Pictures : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        app = std::make_unique<HeadlessApp>(GetParam());
        ASSERT_TRUE(app->app().initialised);
        ASSERT_EQ(app->app().bitsPerPixel, GetParam());
        // 5 x 2 cells of 10 x 10; cell (0, 0) has a black square in its middle.
        path = (folder.path() / "cells.bmp").string();
        writeBitmapFile(path, 50, 20, [](int x, int y) {
            if (x >= 3 && x < 7 && y >= 3 && y < 7)
                return 0u;
            return where(x, y);
        });
        bitmap = std::make_unique<Bitmap>(path.c_str(), 50, 20, 5, 2, 10);
        ASSERT_TRUE(bitmap->createSurface());
    }
    void clear(std::uint32_t colour) { ASSERT_TRUE(app->app().fillRect(0, 0, 800, 600, static_cast<int>(colour))); }
    std::uint32_t backRaw(int x, int y) { return app->pixel(x, y); }
    std::uint32_t pictureRaw(int x, int y) { return rawPixel(*bitmap->getSurface(), x, y); }

    TemporaryFolder folder;
    std::unique_ptr<HeadlessApp> app;
    std::string path;
    std::unique_ptr<Bitmap> bitmap;  // the cells above, its surface made
};

TEST_P(Pictures, FramesRunRowByRow)
{
    clear(0);
    ASSERT_TRUE(bitmap->drawCell(100, 100, 7));  // row 1, column 2
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(backRaw(100 + x, 100 + y), pictureRaw(20 + x, 10 + y)) << x << "," << y;
    EXPECT_EQ(app->colourAt(110, 100), 0u);
}

TEST_P(Pictures, CellsPartlyOffScreenDrawTheirInnerPartInBothPaths)
{
    for (int alpha : {128, 127}) {
        clear(0);
        // Frame 6 (row 1, column 1) with its top-left at (-4, -3).
        ASSERT_TRUE(alpha == 128 ? bitmap->drawCell(-4, -3, 6) : bitmap->drawCellBlended(-4, -3, 6, alpha));
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 6; ++x) {
                const std::uint32_t source = pictureRaw(10 + 4 + x, 10 + 3 + y);
                if (alpha == 128)
                    ASSERT_EQ(backRaw(x, y), source) << x << "," << y;
                else
                    ASSERT_NE(app->colourAt(x, y), 0u) << x << "," << y;
            }
        }
        EXPECT_EQ(app->colourAt(6, 0), 0u);
        EXPECT_EQ(app->colourAt(0, 7), 0u);
        // And at the far corner of the screen.
        ASSERT_TRUE(bitmap->drawCellBlended(795, 596, 1, alpha));
        ASSERT_TRUE(bitmap->drawCell(795, 596, 1));
    }
}

TEST_P(Pictures, ClipRectanglesThatMissDrawNothing)
{
    clear(0x0000FF);
    const std::uint32_t blue = backRaw(50, 50);
    EXPECT_TRUE(bitmap->drawCellClipped(50, 50, 200, 200, 300, 300, 3));
    EXPECT_TRUE(bitmap->drawCellBlendedClipped(50, 50, 200, 200, 300, 300, 3, 64));
    EXPECT_TRUE(bitmap->drawCellBlended(900, 50, 3, 64));
    EXPECT_TRUE(bitmap->drawCellBlendedClipped(50, 50, 0, 0, 0, 600, 3, 64));
    for (int y = 48; y < 62; ++y)
        for (int x = 48; x < 62; ++x)
            ASSERT_EQ(backRaw(x, y), blue);

    // A clip inside the cell draws just that part.
    EXPECT_TRUE(bitmap->drawCellClipped(50, 50, 52, 53, 55, 56, 3));
    EXPECT_EQ(backRaw(52, 53), pictureRaw(32, 3));
    EXPECT_EQ(backRaw(54, 55), pictureRaw(34, 5));
    EXPECT_EQ(backRaw(51, 53), blue);
    EXPECT_EQ(backRaw(55, 53), blue);
    EXPECT_EQ(backRaw(52, 56), blue);
}

TEST_P(Pictures, ColourKeyLeavesBlackOutButTheBlendMixesIt)
{
    Bitmap keyed(path.c_str(), 50, 20, 5, 2, 10, 0, 0);
    ASSERT_TRUE(keyed.createSurface());
    clear(0x00FF00);
    const std::uint32_t green = backRaw(0, 0);
    ASSERT_TRUE(keyed.drawCell(0, 0, 0));
    EXPECT_EQ(backRaw(4, 4), green);                                // black: the back shows through
    EXPECT_EQ(backRaw(1, 1), rawPixel(*keyed.getSurface(), 1, 1));  // others are copied

    clear(0x00FF00);
    ASSERT_TRUE(keyed.drawCellBlended(0, 0, 0, 64));
    // Black mixed in at half strength halves the green.
    const std::uint32_t mixed = app->colourAt(4, 4);
    EXPECT_EQ(mixed & 0xFF00FFu, 0u);
    EXPECT_NEAR(static_cast<int>((mixed >> 8) & 0xFF), 0x7F, 4);
    // The picture weighs alpha / 128, the back the rest; an opaque draw is the picture exactly.
    clear(0x00FF00);
    ASSERT_TRUE(keyed.drawCellBlended(0, 0, 0, 96));
    EXPECT_NEAR(static_cast<int>((app->colourAt(4, 4) >> 8) & 0xFF), 0x3F, 4);
    ASSERT_TRUE(keyed.drawCellBlended(0, 0, 0, 128));
    EXPECT_EQ(backRaw(1, 1), rawPixel(*keyed.getSurface(), 1, 1));
}

TEST_P(Pictures, AnUnreadableFileLeavesABlackSurfaceToDrawFrom)
{
    const std::string missing = (folder.path() / "missing.bmp").string();
    Bitmap none(missing.c_str(), 50, 20, 5, 2, 10);
    EXPECT_FALSE(none.drawCell(0, 0, 0));  // no surface yet
    EXPECT_FALSE(none.drawCellBlended(0, 0, 0, 64));
    EXPECT_FALSE(none.createSurface());
    ASSERT_NE(none.getSurface(), nullptr);
    EXPECT_FALSE(none.loadPicture());
    // The widget goes on drawing from it: black.
    clear(0xFFFFFF);
    EXPECT_TRUE(none.drawCell(10, 10, 3));
    EXPECT_TRUE(none.drawCellBlended(30, 10, 3, 50));
    EXPECT_EQ(app->colourAt(12, 12), 0u);
}

TEST_P(Pictures, FramesBeyondThePictureAndLostSurfaces)
{
    // Frame 12 lies below the picture: nothing to draw, and nothing read outside it.
    EXPECT_TRUE(bitmap->drawCell(10, 10, 12));
    EXPECT_TRUE(bitmap->drawCellBlended(10, 10, 12, 64));

    // A lost picture is restored with its picture on the next draw.
    platform::sdl::loseSurface(*bitmap->getSurface());
    clear(0);
    ASSERT_TRUE(bitmap->drawCell(0, 0, 7));
    EXPECT_EQ(backRaw(1, 1), pictureRaw(21, 11));
    platform::sdl::loseSurface(*bitmap->getSurface());
    ASSERT_TRUE(bitmap->drawCellBlended(0, 0, 7, 128));
    EXPECT_EQ(backRaw(1, 1), pictureRaw(21, 11));

    // Released and created again, as around a display switch.
    EXPECT_TRUE(bitmap->releaseSurface());
    EXPECT_EQ(bitmap->getSurface(), nullptr);
    EXPECT_TRUE(bitmap->createSurface());
    EXPECT_TRUE(bitmap->createSurface());
}

struct Ink {
    int left = 1 << 30;
    int top = 1 << 30;
    int right = -1;
    int bottom = -1;
    bool empty() const { return right < 0; }
};

// Text drawn and measured by the application into the back surface, cleared to black.
class Drawing : public Pictures {
protected:
    void SetUp() override
    {
        Pictures::SetUp();
        clear(0);
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

INSTANTIATE_TEST_SUITE_P(Depths, Pictures, ::testing::Values(16, 24, 32));
INSTANTIATE_TEST_SUITE_P(Depths, Drawing, ::testing::Values(16, 24, 32));

}  // namespace

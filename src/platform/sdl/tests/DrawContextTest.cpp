// Lines and text through the SDL drawing context on surfaces of every depth the game uses.
#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/sdl/SdlDrawing.h"

namespace {

using platform::Rect;
using platform::TextAlign;

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

SurfacePtr makeSurface(Uint32 format, int width = 200, int height = 100)
{
    SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, width, height, SDL_BITSPERPIXEL(format), format));
    if (surface)
        SDL_FillRect(surface.get(), nullptr, 0);
    return surface;
}

// The colour bits of a pixel's raw value (black is 0 in every format).
std::uint32_t rawAt(SDL_Surface* surface, int x, int y)
{
    const int bytes = surface->format->BytesPerPixel;
    const auto* at = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch + x * bytes;
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    return value & 0x00FFFFFFu;
}

// The smallest rectangle holding every pixel that is not black.
Rect inkBounds(SDL_Surface* surface)
{
    Rect ink{surface->w, surface->h, 0, 0};
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x)
            if (rawAt(surface, x, y) != 0)
                ink = Rect{std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                           std::max(ink.bottom, y + 1)};
    return ink;
}

// The width of a text in the context's font.
int widthOf(platform::DrawContext& context, const char* text)
{
    int width = 0, height = 0;
    context.measureText(text, static_cast<int>(std::strlen(text)), width, height);
    return width;
}

class DrawContextDepth : public ::testing::TestWithParam<Uint32> {};

TEST_P(DrawContextDepth, LinesPaintThePackedColour)
{
    SurfacePtr surface = makeSurface(GetParam());
    ASSERT_TRUE(surface);
    auto context = platform::sdl::createDrawContext(surface.get());
    ASSERT_TRUE(context);
    auto pen = context->createPen(1, 0xFF9900);
    context->selectPen(pen.get());
    context->drawLine(10, 10, 20, 10);

    // (Which pixels a line takes is the raster's business, tested on its own.)
    EXPECT_EQ(rawAt(surface.get(), 19, 10), SDL_MapRGB(surface->format, 0xFF, 0x99, 0x00) & 0x00FFFFFFu);

    // Lines running off the surface are cut at its edges without harm.
    auto wide = context->createPen(2, 0xFFFFFF);
    context->selectPen(wide.get());
    context->drawLine(150, -1000, 150, 1000);
    EXPECT_TRUE(rawAt(surface.get(), 149, 0) != 0 && rawAt(surface.get(), 150, 99) != 0);
    context->selectPen(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Depths, DrawContextDepth,
                         ::testing::Values(SDL_PIXELFORMAT_RGB565, SDL_PIXELFORMAT_BGR24, SDL_PIXELFORMAT_RGB888));

TEST(DrawText, BreaksOnlyAtLineBreaksClipsToTheBoxAndTakesAnyBytes)
{
    // White 16-pixel Arial on black.
    SurfacePtr owned = makeSurface(SDL_PIXELFORMAT_RGB888, 300, 120);
    SDL_Surface* surface = owned.get();
    auto context = platform::sdl::createDrawContext(surface);
    auto font = context->createFont("Arial", 16);
    context->selectFont(font.get());
    context->setTextColour(0xFFFFFF);
    auto draw = [&context](const Rect& box, TextAlign align, const char* text) {
        context->drawText(box, align, text, static_cast<int>(std::strlen(text)));
    };
    draw(Rect{0, 0, 300, 120}, TextAlign::Left, "");
    context->drawText(Rect{0, 0, 300, 120}, TextAlign::Left, nullptr, 5);
    EXPECT_TRUE(inkBounds(surface).isEmpty());

    // "\n" and "\r\n" both start a new line one font height lower, at the box's left.
    draw(Rect{0, 0, 300, 120}, TextAlign::Left, "I\nI\r\nI");
    for (int line = 0; line < 3; ++line) {
        int lit = 0;
        for (int y = line * 16; y < line * 16 + 16; ++y)
            for (int x = 0; x < 10; ++x)
                lit += rawAt(surface, x, y) != 0 ? 1 : 0;
        EXPECT_GT(lit, 5) << "line " << line;
    }
    EXPECT_LE(inkBounds(surface).right, 10);

    // A long line in a small box: nothing outside the box, however long the text; boxes partly
    // or wholly off the surface are cut to it.
    SDL_FillRect(surface, nullptr, 0);
    const char* longText = "A line of text far wider than its little box";
    draw(Rect{50, 40, 120, 48}, TextAlign::Centre, longText);
    const Rect ink = inkBounds(surface);
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_TRUE(ink.left >= 50 && ink.right <= 120 && ink.top >= 40 && ink.bottom <= 48)
        << ink.left << "," << ink.top << "," << ink.right << "," << ink.bottom;
    draw(Rect{-100, -5, 1000, 500}, TextAlign::Left, longText);
    draw(Rect{400, 400, 500, 500}, TextAlign::Left, longText);

    draw(Rect{0, 0, 300, 120}, TextAlign::Left, "\x80\xE9\xFF\x01\t");
    EXPECT_GT(widthOf(*context, "\x80\xE9"), 0);
    context->selectFont(nullptr);
}

TEST(Fonts, LibraryStopsWhenTheLastContextAndFontGo)
{
    ASSERT_EQ(TTF_WasInit(), 0);
    SurfacePtr surface = makeSurface(SDL_PIXELFORMAT_RGB888);
    std::unique_ptr<platform::Font> survivor;
    {
        auto context = platform::sdl::createDrawContext(surface.get());
        survivor = context->createFont("Arial", 16);
        EXPECT_GT(TTF_WasInit(), 0);
        // The same face and height comes from the cache.
        auto again = context->createFont("Arial", 16);
    }
    EXPECT_GT(TTF_WasInit(), 0);  // the font still holds the library
    survivor.reset();
    EXPECT_EQ(TTF_WasInit(), 0);

    // A context without a font of its own draws with a default one.
    auto context = platform::sdl::createDrawContext(surface.get());
    context->setTextColour(0xFFFFFF);
    context->drawText(Rect{0, 0, 200, 100}, TextAlign::Left, "x", 1);
    EXPECT_FALSE(inkBounds(surface.get()).isEmpty());
    context.reset();
    EXPECT_EQ(TTF_WasInit(), 0);
}

}  // namespace

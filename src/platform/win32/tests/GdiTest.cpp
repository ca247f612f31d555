// Lines and text through GDI on a DirectDraw surface's device context.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "Win32TestSupport.h"
#include "platform/DrawContext.h"

using kelvary_test::DirectDrawFixture;
using kelvary_test::pixelsIn;
using kelvary_test::WindowedPlatform;

namespace {

// Left, top, right and bottom (half-open) of every non-black pixel in the area; empty if none.
platform::Rect paintedBounds(platform::Surface& surface, const platform::Rect& area)
{
    const auto values = pixelsIn(surface, area);
    platform::Rect bounds{area.right, area.bottom, area.left, area.top};
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            if (values[static_cast<size_t>(y * area.width() + x)] != 0) {
                bounds.left = std::min(bounds.left, area.left + x);
                bounds.right = std::max(bounds.right, area.left + x + 1);
                bounds.top = std::min(bounds.top, area.top + y);
                bounds.bottom = std::max(bounds.bottom, area.top + y + 1);
            }
    return bounds;
}

class GdiOnSurface : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(surface, nullptr);
        ASSERT_TRUE(surface->fill(platform::Rect{0, 0, 400, 200}, 0));
    }
    // Draws `text` in white 20-pixel Arial in the box on a black surface (with no text: only
    // measures it), gives the surface back and returns the text's width.
    int drawText(const platform::Rect& box, platform::TextAlign align, const char* text, bool draw = true)
    {
        platform::DrawContext* context = surface->getDrawContext();
        if (!context)
            return -1;
        EXPECT_FALSE(surface->fill(platform::Rect{0, 0, 1, 1}, 0)) << "no blits while the context is out";
        auto font = context->createFont("Arial", 20);
        platform::Font* previous = context->selectFont(font.get());
        int width = 0, height = 0;
        context->measureText(text, static_cast<int>(std::strlen(text)), width, height);
        context->setTextColour(0x00FFFFFF);
        if (draw)
            context->drawText(box, align, text, static_cast<int>(std::strlen(text)));
        context->selectFont(previous);
        surface->releaseDrawContext();
        return width;
    }
    // The painted bounds of a text drawn on a cleared surface.
    platform::Rect textBounds(const platform::Rect& box, platform::TextAlign align, const char* text)
    {
        EXPECT_TRUE(surface->fill(platform::Rect{0, 0, 400, 200}, 0));
        drawText(box, align, text);
        return paintedBounds(*surface, platform::Rect{0, 0, 400, 200});
    }

    WindowedPlatform windowed;
    DirectDrawFixture directDraw{windowed.handle()};
    std::unique_ptr<platform::win32::DisplaySurface> surface = directDraw.surface565(400, 200);
};

TEST_F(GdiOnSurface, LinesLeaveTheirEndPointOut)
{
    platform::DrawContext* context = surface->getDrawContext();
    ASSERT_NE(context, nullptr);
    auto pen = context->createPen(1, 0x00FFFFFF);
    platform::Pen* previous = context->selectPen(pen.get());
    EXPECT_EQ(previous, nullptr) << "the context's own pen was selected";
    context->drawLine(10, 10, 20, 10);
    context->drawLine(30, 5, 30, 9);
    EXPECT_EQ(context->selectPen(previous), pen.get());
    surface->releaseDrawContext();

    // x = 20 and y = 9 are the end points.
    const auto bounds = paintedBounds(*surface, platform::Rect{0, 0, 60, 20});
    EXPECT_EQ((std::vector<int>{bounds.left, bounds.top, bounds.right, bounds.bottom}),
              (std::vector<int>{10, 5, 31, 11}));
    const auto row = pixelsIn(*surface, platform::Rect{9, 10, 21, 11});
    EXPECT_EQ(row.front() + row.back(), 0u);
    EXPECT_EQ(row[1] & row[10], 0xFFFFu);
    EXPECT_EQ(pixelsIn(*surface, platform::Rect{30, 8, 31, 10}), (std::vector<std::uint32_t>{0xFFFF, 0}));
}

TEST_F(GdiOnSurface, TextIsAlignedInItsBoxFromTheTopAndAmpersandsAreDrawnAsTheyAre)
{
    const platform::Rect box{100, 40, 300, 100};
    auto bounds = textBounds(box, platform::TextAlign::Centre, "Kelvary");
    ASSERT_FALSE(bounds.isEmpty());
    EXPECT_GE(bounds.top, 40);
    EXPECT_LT(bounds.top, 50) << "text starts at the top edge";
    EXPECT_LE(bounds.bottom, 62);
    EXPECT_NEAR((bounds.left + bounds.right) / 2, 200, 3);

    bounds = textBounds(box, platform::TextAlign::Right, "Kelvary");
    EXPECT_TRUE(bounds.right <= 300 && bounds.right >= 295) << bounds.right;
    bounds = textBounds(box, platform::TextAlign::Left, "Kelvary\nsecond line");
    EXPECT_TRUE(bounds.left >= 100 && bounds.left <= 103) << bounds.left;
    EXPECT_GT(bounds.bottom, 62) << "a line break starts a second line";

    bounds = textBounds(platform::Rect{100, 40, 130, 50}, platform::TextAlign::Left, "Kelvary Kelvary");
    EXPECT_LE(bounds.right, 130) << "clipped to the box";
    EXPECT_LE(bounds.bottom, 50);

    // "&x" would draw an underlined x alone if "&" were taken as a mnemonic marker.
    EXPECT_GE(textBounds(platform::Rect{10, 10, 390, 60}, platform::TextAlign::Left, "&x").width(),
              drawText({}, platform::TextAlign::Left, "&x", false) - 4);
}

}  // namespace

// The digit row: clamping, hidden zeros, the minus cell and alignment between bounds.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "media/AssetCatalogue.h"
#include "media/Bitmap.h"
#include "ui/NumberDisplay.h"

namespace {

// The game's small digits, ten cells in a row; no surface is needed.
Bitmap tenCells() { return Bitmap(pictures::digits); }

// The cells as characters: a shown cell (alpha 128) as its frame, '0' + frame (the minus
// cell 10 is ':'); a hidden one (alpha 0) as 'a' + frame; any other alpha as '?'.
std::string cells(NumberDisplay& display)
{
    std::string shown;
    for (int k = 0; k < display.getChildCount(); ++k) {
        Widget& cell = *display.getChild(k);
        const int alpha = cell.getAlpha();
        shown += alpha == 128 ? static_cast<char>('0' + cell.getFrame())
                 : alpha == 0 ? static_cast<char>('a' + cell.getFrame())
                              : '?';
    }
    return shown;
}

TEST(NumberDisplay, HiddenLeadingZerosAndWidth)
{
    Bitmap strip = tenCells();
    NumberDisplay display(nullptr, 0, 0, &strip, 4, 42, true, 0, 0, 0);
    EXPECT_EQ(cells(display), "aa42");
    EXPECT_EQ(display.getWidth(), 20);

    display.setValue(0);
    EXPECT_EQ(cells(display), "aaa0");
    EXPECT_EQ(display.getWidth(), 10);

    // Growing again shows the cells that were hidden; inner zeros stay visible.
    display.setValue(1005);
    EXPECT_EQ(cells(display), "1005");
    EXPECT_EQ(display.getWidth(), 40);

    NumberDisplay shown(nullptr, 0, 0, &strip, 3, 7, false, 0, 0, 0);
    EXPECT_EQ(cells(shown), "007");
    EXPECT_EQ(shown.getWidth(), 30);
}

TEST(NumberDisplay, ClampsToItsDigits)
{
    Bitmap strip = tenCells();
    NumberDisplay display(nullptr, 0, 0, &strip, 3, 1234, false, 0, 0, 0);
    EXPECT_EQ(display.getValue(), 999);
    EXPECT_EQ(cells(display), "999");
    display.setValue(-5000);
    EXPECT_EQ(display.getValue(), -99);
}

TEST(NumberDisplay, MinusCell)
{
    // An eleven-cell strip with a minus sign in cell 10.
    Bitmap withMinus("digits.bmp", 110, 12, 11, 1, 11);
    NumberDisplay display(nullptr, 0, 0, &withMinus, 3, -5, true, 0, 0, 0);
    EXPECT_EQ(cells(display), ":05");

    // On the game's ten-cell strips the minus cell is clamped to the last cell.
    Bitmap strip = tenCells();
    NumberDisplay plain(nullptr, 0, 0, &strip, 3, -42, false, 0, 0, 0);
    EXPECT_EQ(cells(plain), "942");
}

TEST(NumberDisplay, AlignmentFollowsTheDigitCount)
{
    Bitmap strip = tenCells();
    Widget parent(nullptr, 100, 50, nullptr);
    // Right: the last digit's right edge stays at the bound.
    NumberDisplay right(&parent, 0, 5, &strip, 4, 100, true, NumberDisplay::AlignRight, 200, 300);
    auto rightEdge = [&] { return right.getX() + 10 * 4; };
    EXPECT_EQ(rightEdge(), 300);
    right.setValue(99);
    EXPECT_EQ(rightEdge(), 300);
    EXPECT_EQ(right.getChild(3)->getOriginX() + right.getChild(3)->getX(), 100 + 290);

    // Left: the first visible digit starts at the bound.
    NumberDisplay left(&parent, 0, 5, &strip, 4, 100, true, NumberDisplay::AlignLeft, 200, 300);
    auto firstVisible = [&](NumberDisplay& d) {
        for (int k = 0; k < d.getChildCount(); ++k)
            if (d.getChild(k)->getAlpha() != 0)
                return d.getX() + 10 * k;
        return -1;
    };
    EXPECT_EQ(firstVisible(left), 200);
    left.setValue(5);
    EXPECT_EQ(firstVisible(left), 200);

    // Centre: the visible digits sit in the middle of the bounds.
    NumberDisplay centre(&parent, 0, 5, &strip, 4, 42, true, NumberDisplay::AlignCentre, 200, 300);
    EXPECT_EQ(firstVisible(centre), 240);
    centre.setValue(123);
    EXPECT_EQ(firstVisible(centre), 235);

    // Other alignments leave x alone.
    NumberDisplay fixed(&parent, 17, 5, &strip, 4, 42, true, 0, 200, 300);
    EXPECT_EQ(fixed.getX(), 17);
}

}  // namespace

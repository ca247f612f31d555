// The digit row: clamping, hidden zeros and the minus cell.
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

TEST(NumberDisplay, HiddenLeadingZeros)
{
    Bitmap strip = tenCells();
    NumberDisplay display(nullptr, 0, 0, &strip, 4, 42, true, 0, 0, 0);
    EXPECT_EQ(cells(display), "aa42");
    display.setValue(0);
    EXPECT_EQ(cells(display), "aaa0");
    // Growing again shows the cells that were hidden; inner zeros stay visible.
    display.setValue(1005);
    EXPECT_EQ(cells(display), "1005");
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
}

}  // namespace

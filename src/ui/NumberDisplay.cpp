#include "ui/NumberDisplay.h"

#include <memory>

#include "media/Bitmap.h"

namespace {
constexpr int minusCell = 10;
}

NumberDisplay::NumberDisplay(Widget* parentWidget, int px, int py, Bitmap* digitStrip, int count, int initialValue,
                             bool hideZeros, int align, int left, int right)
{
    Widget::init(parentWidget, px, py, digitStrip);
    setUp(digitStrip, count, initialValue, hideZeros, align, left, right);
}

void NumberDisplay::setUp(Bitmap* digitStrip, int count, int initialValue, bool hideZeros, int align, int left,
                          int right)
{
    // The display draws nothing itself: its cells show the digits.
    hasBitmap = false;
    const int cellWidth = digitStrip ? digitStrip->getCellWidth() : 0;
    const int cellHeight = digitStrip ? digitStrip->getCellHeight() : 0;
    // Ten digits is as many as an int holds.
    count = count < 1 ? 1 : (count > 9 ? 9 : count);
    width = cellWidth * count;
    height = cellHeight;

    hideLeadingZeros = hideZeros;
    alignment = align;
    boundLeft = left;
    boundRight = right;
    digitCount = count;
    allocateChildren(digitCount);
    for (int k = 0; k < digitCount; ++k)
        replaceChild(k, std::make_unique<Widget>(this, k * cellWidth, 0, digitStrip));

    minValue = 1 - integerPower(10, digitCount - 1);
    maxValue = integerPower(10, digitCount) - 1;
    setValue(initialValue);
}

int NumberDisplay::integerPower(int base, int exponent)
{
    int result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= base;
    return result;
}

void NumberDisplay::setValue(int v)
{
    value = v < minValue ? minValue : (v > maxValue ? maxValue : v);
    if (v < 0) {
        children[0]->setFrame(minusCell);
        const int magnitude = -value;
        for (int i = 0; i < digitCount - 1; ++i)
            children[digitCount - 1 - i]->setFrame((magnitude % integerPower(10, i + 1)) / integerPower(10, i));
    } else {
        for (int i = 0; i < digitCount; ++i)
            children[digitCount - 1 - i]->setFrame((value % integerPower(10, i + 1)) / integerPower(10, i));
    }

    if (hideLeadingZeros) {
        // Leading cells showing 0 vanish; the first other cell and all after it show.  The
        // units cell is never hidden, so 0 shows as one "0".
        for (int k = 0; k < digitCount - 1; ++k) {
            if (children[k]->getFrame() == 0) {
                children[k]->setAlpha(0);
            } else {
                for (int j = k; j < digitCount; ++j)
                    children[j]->setAlpha(opaqueAlpha);
                break;
            }
        }
    }
    realign();
}

void NumberDisplay::setBounds(int left, int right)
{
    boundLeft = left;
    boundRight = right;
}

void NumberDisplay::realign()
{
    const int w = children[0]->getWidth();
    int visible = 0;
    for (int k = 0; k < digitCount; ++k) {
        if (children[k]->getAlpha() != 0)
            ++visible;
    }
    width = w * visible;
    switch (alignment) {
    case AlignLeft: setX(boundLeft + width - w * digitCount); break;
    case AlignRight: setX(boundRight - w * digitCount); break;
    case AlignCentre: setX(boundLeft + (boundRight - boundLeft + width) / 2 - w * digitCount); break;
    default: break;
    }
}

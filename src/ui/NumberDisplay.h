#pragma once

#include "ui/Widget.h"

// A number shown as a row of digit cells cut from a digit strip (cells 0..9 the digits, cell
// 10, where the strip has one, the minus sign).  Leading zeros can be hidden, and the visible
// digits stay aligned left, right or centred between two x bounds as the value changes.
class NumberDisplay : public Widget {
public:
    enum Alignment {
        AlignLeft = 1,
        AlignRight = 2,
        AlignCentre = 3
    };

    NumberDisplay(Widget* parent, int x, int y, Bitmap* digitStrip, int digitCount, int initialValue,
                  bool hideLeadingZeros, int alignment, int boundLeft, int boundRight);

    void setValue(int v);
    // The new bounds take effect at the next `setValue`.
    void setBounds(int left, int right);
    void realign();
    // base multiplied by itself `exponent` times; 1 for an exponent of 0 or less.
    static int integerPower(int base, int exponent);

    int getValue() const { return value; }
    int getDigitCount() const { return digitCount; }
    int getMinValue() const { return minValue; }
    int getMaxValue() const { return maxValue; }
    int getAlignment() const { return alignment; }
    int getBoundLeft() const { return boundLeft; }
    int getBoundRight() const { return boundRight; }

private:
    void setUp(Bitmap* digitStrip, int count, int initialValue, bool hideZeros, int align, int left, int right);

    int digitCount = 0;
    int minValue = 0;
    int maxValue = 0;
    int value = 0;
    bool hideLeadingZeros = false;
    int alignment = 0;
    int boundLeft = 0;
    int boundRight = 0;
};

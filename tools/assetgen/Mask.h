#pragma once

#include <vector>

// Coverage values from 0 to 1 over a rectangle of pixels: rendered text before it is
// painted, so that it can be widened into an outline or a glow first.
class Mask {
public:
    Mask(int width, int height);

    int width() const { return maskWidth; }
    int height() const { return maskHeight; }
    double at(int x, int y) const;
    void put(int x, int y, double value);  // keeps the larger of the old and the new value
    // Every pixel takes the strongest coverage within `radius`, fading over the last pixel.
    Mask dilated(double radius) const;

private:
    int maskWidth, maskHeight;
    std::vector<double> values;
};

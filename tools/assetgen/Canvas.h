#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "Colour.h"

class Mask;
class Shape;

// A picture being painted: premultiplied colour and coverage per pixel, so layers of
// anti-aliased shapes and text combine exactly before the picture is flattened onto the
// colour it will sit on in the game.
class Canvas {
public:
    using Paint = std::function<Colour(double x, double y)>;

    Canvas(int width, int height);               // fully transparent
    Canvas(int width, int height, Colour fill);  // opaque

    int width() const { return canvasWidth; }
    int height() const { return canvasHeight; }

    // Lays `colour` over the pixel with the given opacity (0..1).
    void blend(int x, int y, Colour colour, double opacity);
    void fill(const Shape& shape, Colour colour, double opacity = 1.0);
    void fill(const Shape& shape, const Paint& paint, double opacity = 1.0);
    void fill(const Mask& mask, int x, int y, Colour colour, double opacity = 1.0);
    void fill(const Mask& mask, int x, int y, const Paint& paint, double opacity = 1.0);
    void fillAll(const Paint& paint);
    // Lays another canvas over this one with its top-left at (x, y).
    void draw(const Canvas& layer, int x, int y, double opacity = 1.0);
    Canvas cut(int x, int y, int width, int height) const;

    // The colour of a pixel laid over `under`, and its coverage.
    Colour colourOver(int x, int y, Colour under) const;
    double coverage(int x, int y) const;

    // 8-bit red, green, blue rows from the top, flattened onto `under`.  With `keyed`,
    // uncovered pixels become pure black (transparent in the game) and covered ones are
    // kept off pure black.
    std::vector<std::uint8_t> toRgb(Colour under, bool keyed) const;
    // 8-bit red, green, blue, alpha rows from the top (for icons).
    std::vector<std::uint8_t> toRgba() const;

private:
    struct Pixel {
        double r = 0, g = 0, b = 0, a = 0;  // colour premultiplied by coverage a
    };
    Pixel& pixel(int x, int y) { return pixels[static_cast<std::size_t>(y) * canvasWidth + x]; }
    const Pixel& pixel(int x, int y) const { return pixels[static_cast<std::size_t>(y) * canvasWidth + x]; }

    int canvasWidth, canvasHeight;
    std::vector<Pixel> pixels;
};

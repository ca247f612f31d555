#include "BlockArt.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr Colour colours[BlockArt::colourCount] = {
    Colour::hex(0xE83A3A),  // red, circle
    Colour::hex(0xFF7A14),  // orange, square
    Colour::hex(0xF4E03A),  // yellow, triangle
    Colour::hex(0x38C04A),  // green, diamond
    Colour::hex(0x2CC6E0),  // cyan, star
    Colour::hex(0x3A6CF0),  // blue, cross
    Colour::hex(0x9A4CE6),  // purple, ring
    Colour::hex(0xF05CB4),  // pink, heart
};

// A four-pointed glint.
Shape sparkle(double cx, double cy, double radius) { return Shape::star(cx, cy, radius, radius * 0.28, 4); }

// The block body with its symbol, scaled by `scale` about the cell's centre and lightened
// towards white by `light`.
void body(Canvas& canvas, int row, double x, double y, double size, double scale, double light)
{
    const double s = size * scale;
    const double left = x + (size - s) / 2, top = y + (size - s) / 2;
    const double inset = std::max(1.0, s * 2 / 30);  // keeps a clear margin round the block
    const double side = s - 2 * inset;
    const Colour base = colours[row].lighter(light);
    const Shape outer = Shape::roundedBox(left + inset, top + inset, side, side, side * 0.22);
    const Colour topColour = base.lighter(0.28), bottomColour = base.scaled(0.72);
    const double y0 = top + inset, y1 = top + inset + side;
    canvas.fill(outer, [=](double, double py) {
        return topColour.mix(bottomColour, std::clamp((py - y0) / (y1 - y0), 0.0, 1.0));
    });
    // A darker rim just inside the edge gives the block its shape on any background.
    if (side >= 10)
        canvas.fill(outer.grown(-0.5).border(1.0), base.scaled(0.42), 0.9);
    // Gloss on the upper half.
    if (side >= 12) {
        const Shape gloss = Shape::ellipse(left + s / 2, top + inset + side * 0.24, side * 0.36, side * 0.17)
                                .intersect(outer.grown(-1.5));
        canvas.fill(gloss, Colour{1, 1, 1}, 0.30);
    }
    if (side >= 14) {
        const double cx = left + s / 2, cy = top + s / 2 + side * 0.02;
        const Shape mark = BlockArt::symbol(row, cx, cy, side * 0.5);
        canvas.fill(mark.moved(0, std::max(0.6, side / 26)), Colour{1, 1, 1}, 0.35);
        canvas.fill(mark, base.scaled(0.34));
    }
}

}  // namespace

Colour BlockArt::colour(int row) { return colours[std::clamp(row, 0, colourCount - 1)]; }

Shape BlockArt::symbol(int row, double cx, double cy, double size)
{
    const double h = size / 2;
    switch (row) {
    case 0: return Shape::circle(cx, cy, h * 0.82);
    case 1: return Shape::roundedBox(cx - h * 0.74, cy - h * 0.74, h * 1.48, h * 1.48, h * 0.15);
    case 2:
        return Shape::polygon({{cx, cy - h * 0.95}, {cx + h * 0.98, cy + h * 0.78}, {cx - h * 0.98, cy + h * 0.78}});
    case 3: return Shape::polygon({{cx, cy - h}, {cx + h * 0.82, cy}, {cx, cy + h}, {cx - h * 0.82, cy}});
    case 4: return Shape::star(cx, cy + h * 0.06, h * 1.05, h * 0.45, 5);
    case 5:
        return Shape::roundedBox(cx - h * 0.3, cy - h * 0.92, h * 0.6, h * 1.84, h * 0.08)
            .unite(Shape::roundedBox(cx - h * 0.92, cy - h * 0.3, h * 1.84, h * 0.6, h * 0.08));
    case 6: return Shape::ring(cx, cy, h * 0.64, h * 0.38);
    default: return Shape::heart(cx, cy + h * 0.05, size * 0.98);
    }
}

void BlockArt::draw(Canvas& canvas, int row, int frame, double x, double y, double size)
{
    const double k = size / blockSize;
    const double cx = x + size / 2, cy = y + size / 2;
    const Colour glint = colours[row].lighter(0.85);
    switch (frame) {
    case 0: body(canvas, row, x, y, size, 1.0, 0.0); break;
    case 1: {
        // A bright flash of the whole block with a white rim.
        body(canvas, row, x, y, size, 1.0, 0.55);
        const double inset = std::max(1.0, 2 * k);
        const Shape outer =
            Shape::roundedBox(x + inset, y + inset, size - 2 * inset, size - 2 * inset, (size - 2 * inset) * 0.22);
        canvas.fill(outer.grown(-1.0).border(1.6 * k), Colour{1, 1, 1}, 0.85);
        break;
    }
    case 2:
        body(canvas, row, x, y, size, 0.7, 0.3);
        for (int i = 0; i < 4; ++i) {
            const double a = std::numbers::pi / 4 + i * std::numbers::pi / 2;
            canvas.fill(sparkle(cx + 11.5 * k * std::cos(a), cy + 11.5 * k * std::sin(a), 3.4 * k), glint);
        }
        break;
    case 3:
        body(canvas, row, x, y, size, 0.45, 0.5);
        for (int i = 0; i < 4; ++i) {
            const double a = i * std::numbers::pi / 2;
            canvas.fill(sparkle(cx + 9.5 * k * std::cos(a), cy + 9.5 * k * std::sin(a), 3.8 * k), glint);
        }
        break;
    default:
        canvas.fill(Shape::circle(cx, cy, 2.0 * k), glint, 0.9);
        for (int i = 0; i < 4; ++i) {
            const double a = std::numbers::pi / 4 + i * std::numbers::pi / 2;
            canvas.fill(sparkle(cx + 10.5 * k * std::cos(a), cy + 10.5 * k * std::sin(a), 2.8 * k), glint, 0.85);
        }
        break;
    }
}

Canvas BlockArt::sheet()
{
    Canvas canvas(blockSize * framesPerColour, blockSize * colourCount);
    for (int row = 0; row < colourCount; ++row)
        for (int frame = 0; frame < framesPerColour; ++frame)
            draw(canvas, row, frame, frame * blockSize, row * blockSize, blockSize);
    return canvas;
}

#include "IconArt.h"

#include "BlockArt.h"
#include "Palette.h"
#include "Shape.h"

namespace {

// A 2 x 2 group of blocks with its top-left corner at (left, top): the group a player turns.
void drawGroup(Canvas& canvas, double left, double top, double block, double gap)
{
    const int rows[4] = {0, 5, 3, 2};
    for (int i = 0; i < 4; ++i)
        BlockArt::draw(canvas, rows[i], 0, left + (i % 2) * (block + gap), top + (i / 2) * (block + gap), block);
}

}  // namespace

Canvas IconArt::icon(int size)
{
    Canvas canvas(size, size);
    const double s = size;
    const Shape tile = Shape::roundedBox(s * 0.03, s * 0.03, s * 0.94, s * 0.94, s * 0.2);
    const Colour top = palette::backgroundTop.lighter(0.06), bottom = palette::backgroundBottom;
    canvas.fill(tile, [=](double, double y) { return top.mix(bottom, y / s); });
    canvas.fill(tile.grown(-s * 0.02).border(s * 0.04), palette::accent);
    const double block = s * 0.36, gap = s * 0.04, left = (s - 2 * block - gap) / 2;
    drawGroup(canvas, left, left, block, gap);
    return canvas;
}

Canvas IconArt::maskable(int size)
{
    Canvas canvas(size, size);
    const double s = size;
    const Colour top = palette::backgroundTop.lighter(0.06), bottom = palette::backgroundBottom;
    canvas.fill(Shape::roundedBox(0, 0, s, s, 0), [=](double, double y) { return top.mix(bottom, y / s); });
    // Launchers cut the icon to any shape that holds the middle circle of 80 % of its width:
    // the group's corners stay inside it.
    const double block = s * 0.26, gap = s * 0.03, left = (s - 2 * block - gap) / 2;
    drawGroup(canvas, left, left, block, gap);
    return canvas;
}

#include "IconArt.h"

#include "BlockArt.h"
#include "Palette.h"
#include "Shape.h"

Canvas IconArt::icon(int size)
{
    Canvas canvas(size, size);
    const double s = size;
    const Shape tile = Shape::roundedBox(s * 0.03, s * 0.03, s * 0.94, s * 0.94, s * 0.2);
    const Colour top = palette::backgroundTop.lighter(0.06), bottom = palette::backgroundBottom;
    canvas.fill(tile, [=](double, double y) { return top.mix(bottom, y / s); });
    canvas.fill(tile.grown(-s * 0.02).border(s * 0.04), palette::accent);
    // A 2 x 2 group of blocks: the group a player turns.
    const double block = s * 0.36, gap = s * 0.04, left = (s - 2 * block - gap) / 2;
    const int rows[4] = {0, 5, 3, 2};
    for (int i = 0; i < 4; ++i)
        BlockArt::draw(canvas, rows[i], 0, left + (i % 2) * (block + gap), left + (i / 2) * (block + gap), block);
    return canvas;
}

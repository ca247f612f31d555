#include "ButtonArt.h"

#include <algorithm>

#include "Palette.h"
#include "Shape.h"

void ButtonArt::highlight(Canvas& canvas, double x, double y, double width, double height)
{
    const double radius = std::min(5.0, (height - 2) / 2.5);
    const Shape box = Shape::roundedBox(x + 1, y + 1, width - 2, height - 2, radius);
    canvas.fill(box, palette::panelFill.mix(palette::accent, 0.22));
    canvas.fill(box.grown(-0.5).border(1.0), palette::accent);
}

Canvas ButtonArt::stacked(const std::vector<Canvas>& cells)
{
    if (cells.empty())
        return Canvas(0, 0);
    Canvas out(cells.front().width(), cells.front().height() * static_cast<int>(cells.size()));
    for (std::size_t i = 0; i < cells.size(); ++i)
        out.draw(cells[i], 0, static_cast<int>(i) * cells.front().height());
    return out;
}

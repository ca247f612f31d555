#include "LogoArt.h"

#include "Palette.h"
#include "Shape.h"
#include "media/AssetCatalogue.h"

void LogoArt::mark(Canvas& canvas, double cx, double cy, double size, double opacity)
{
    const double h = size / 2;
    // An orange diamond with a smaller dark diamond cut out: a tilted square, the heart of the game.
    const Shape outer = Shape::polygon({{cx, cy - h}, {cx + h, cy}, {cx, cy + h}, {cx - h, cy}});
    const Shape inner =
        Shape::polygon({{cx, cy - h * 0.42}, {cx + h * 0.42, cy}, {cx, cy + h * 0.42}, {cx - h * 0.42, cy}});
    const Colour top = palette::accentSoft, bottom = palette::accent.scaled(0.85);
    canvas.fill(
        outer.subtract(inner), [=](double, double y) { return top.mix(bottom, (y - (cy - h)) / size); }, opacity);
    canvas.fill(Shape::circle(cx, cy, h * 0.16), palette::textBright, opacity);
}

Canvas LogoArt::company(Lettering& lettering)
{
    const int width = pictures::company.width, height = pictures::company.height;
    Canvas canvas(width, height);
    const TextStyle style{26, true};
    const int textWidth = lettering.width(makerName, style);
    const double markSize = 28, gap = 9;
    const double left = (width - (markSize + gap + textWidth)) / 2;
    mark(canvas, left + markSize / 2, height / 2, markSize);
    lettering.write(canvas, makerName, style, palette::text, left + markSize + gap, width, height / 2 - 1,
                    Lettering::Align::Left);
    return canvas;
}

#include "MenuArt.h"

#include <cmath>

#include "BlockArt.h"
#include "ButtonArt.h"
#include "LogoArt.h"
#include "Palette.h"
#include "Shape.h"

namespace {

// A square of four same-coloured blocks on the corners of a tilted square, joined by a
// faint outline: what the player looks for.
void tiltedSquare(Canvas& canvas, int row, double cx, double cy, double radius, double turn, double size,
                  double opacity)
{
    Canvas layer(canvas.width(), canvas.height());
    std::vector<Point> corners;
    for (int i = 0; i < 4; ++i) {
        const double a = turn + i * std::acos(-1.0) / 2;
        corners.push_back({cx + radius * std::cos(a), cy + radius * std::sin(a)});
    }
    for (int i = 0; i < 4; ++i)
        layer.fill(Shape::segment(corners[i], corners[(i + 1) % 4], 2), palette::textBright, 0.35);
    for (const Point& p : corners)
        BlockArt::draw(layer, row, 0, std::round(p.x - size / 2), std::round(p.y - size / 2), size);
    canvas.draw(layer, 0, 0, opacity);
}

}  // namespace

const std::vector<MenuArt::MenuButton>& MenuArt::buttons()
{
    static const std::vector<MenuButton> list{
        {pictures::start, "Start", 358, 216},     {pictures::highScores, "High Scores", 349, 293},
        {pictures::options, "Options", 363, 324}, {pictures::help, "Help", 378, 355},
        {pictures::exit, "Exit", 378, 450},
    };
    return list;
}

Canvas MenuArt::title(Lettering& lettering)
{
    Canvas canvas(pictures::title.width, pictures::title.height, palette::backgroundBottom);
    const Colour top = palette::backgroundTop, bottom = palette::backgroundBottom;
    canvas.fillAll([=](double x, double y) {
        const double dx = (x - 400) / 560, dy = (y - 150) / 520;
        const double glow = std::max(0.0, 1.0 - (dx * dx + dy * dy));
        return bottom.mix(top, 0.25 + 0.75 * glow);
    });

    // Squares of blocks drifting on either side, upright and tilted.
    tiltedSquare(canvas, 0, 130, 300, 70, 0.35, 44, 0.55);
    tiltedSquare(canvas, 5, 660, 260, 62, 1.1, 40, 0.55);
    tiltedSquare(canvas, 3, 175, 480, 44, std::acos(-1.0) / 4, 34, 0.4);
    tiltedSquare(canvas, 7, 640, 470, 52, 0.0 + std::acos(-1.0) / 4, 36, 0.45);
    tiltedSquare(canvas, 2, 70, 120, 36, 0.9, 28, 0.3);
    tiltedSquare(canvas, 4, 735, 110, 38, 0.2, 28, 0.3);

    // The name of the game.
    const TextStyle titleStyle{92, true};
    lettering.shadow(canvas, "Kelvary", titleStyle, 0, 800, 104, 4, 5, 0.6);
    const Colour light = Colour::hex(0xFFE2AE), deep = palette::accent;
    lettering.write(
        canvas, "Kelvary", titleStyle,
        [=](double, double y) { return light.mix(deep, std::clamp((y - 70) / 70, 0.0, 1.0)); }, 0, 800, 104);
    lettering.write(canvas, "turn  \xC2\xB7  match  \xC2\xB7  clear", TextStyle{16, false}, palette::label, 0, 800,
                    168);

    // The menu's own panel behind the buttons.
    const Shape panel = Shape::roundedBox(318, 198, 164, 292, 10);
    canvas.fill(panel, palette::panelFill, 0.82);
    canvas.fill(panel.grown(-0.5).border(1.0), palette::accent, 0.6);
    canvas.fill(Shape::segment({340, 274}, {460, 274}, 1), palette::accent, 0.35);
    canvas.fill(Shape::segment({340, 417}, {460, 417}, 1), palette::accent, 0.35);

    // The maker, at the foot of the screen.
    LogoArt::mark(canvas, 343, 570, 16, 0.9);
    lettering.write(canvas, "a harrowdine game", TextStyle{13, false}, palette::label, 355, 800, 570,
                    Lettering::Align::Left);
    return canvas;
}

Canvas MenuArt::button(Lettering& lettering, const Canvas& title, const MenuButton& button)
{
    const int width = button.picture.cellWidth(), cellHeight = button.picture.cellHeight();
    const TextStyle preferred{cellHeight > 30 ? 24 : 16, true};
    const TextStyle style = lettering.fit(button.caption, preferred, width - 8);
    std::vector<Canvas> cells;
    for (int lit = 0; lit < 2; ++lit) {
        Canvas cell = title.cut(button.x, button.y, width, cellHeight);
        if (lit)
            ButtonArt::highlight(cell, 0, 0, width, cellHeight);
        lettering.write(cell, button.caption, style, lit ? palette::textBright : palette::text, 0, width,
                        cellHeight / 2.0);
        cells.push_back(std::move(cell));
    }
    return ButtonArt::stacked(cells);
}

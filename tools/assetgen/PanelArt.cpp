#include "PanelArt.h"

#include <functional>
#include <tuple>
#include <vector>

#include "ButtonArt.h"
#include "Palette.h"
#include "Shape.h"
#include "media/AssetCatalogue.h"

namespace {

using Align = Lettering::Align;

// A text button on the panel fill: plain, then lit.
Canvas textButton(Lettering& lettering, const char* caption, const PictureFile& picture)
{
    const int width = picture.cellWidth(), height = picture.cellHeight();
    const TextStyle style = lettering.fit(caption, TextStyle{11, true}, width - 6);
    std::vector<Canvas> cells;
    for (int lit = 0; lit < 2; ++lit) {
        Canvas cell(width, height, palette::panelFill);
        if (lit)
            ButtonArt::highlight(cell, 0, 0, width, height);
        lettering.write(cell, caption, style, lit ? palette::textBright : palette::accentSoft, 0, width, height / 2.0);
        cells.push_back(std::move(cell));
    }
    return ButtonArt::stacked(cells);
}

Canvas label(Lettering& lettering, const char* caption, const PictureFile& picture, Align align)
{
    const int width = picture.width, height = picture.height;
    Canvas canvas(width, height, palette::panelFill);
    // One pixel clear of the edges, so no letter is cut.
    const TextStyle style = lettering.fit(caption, TextStyle{12, true}, width - 2);
    lettering.write(canvas, caption, style, palette::accent, 1, width - 1, height / 2.0, align);
    return canvas;
}

using Icon = std::function<void(Canvas&, double x, double cy, Colour ink)>;

void speaker(Canvas& canvas, double x, double cy, Colour ink)
{
    canvas.fill(
        Shape::polygon(
            {{x, cy - 2.2}, {x + 3, cy - 2.2}, {x + 7, cy - 5.5}, {x + 7, cy + 5.5}, {x + 3, cy + 2.2}, {x, cy + 2.2}}),
        ink);
}

void soundOn(Canvas& canvas, double x, double cy, Colour ink)
{
    speaker(canvas, x, cy, ink);
    const Shape rightHalf = Shape::roundedBox(x + 8.5, cy - 9, 10, 18, 0);
    for (double r : {3.5, 6.5})
        canvas.fill(Shape::ring(x + 6, cy, r, 1.3).intersect(rightHalf), ink);
}

void soundOff(Canvas& canvas, double x, double cy, Colour ink)
{
    speaker(canvas, x, cy, ink);
    canvas.fill(Shape::segment({x + 10, cy - 3.5}, {x + 17, cy + 3.5}, 1.6), Colour::hex(0xFF5A4A));
    canvas.fill(Shape::segment({x + 10, cy + 3.5}, {x + 17, cy - 3.5}, 1.6), Colour::hex(0xFF5A4A));
}

void window(Canvas& canvas, double x, double cy, Colour ink)
{
    const Shape frame = Shape::roundedBox(x + 1, cy - 5.5, 15, 11, 1.5);
    canvas.fill(frame.grown(-0.6).border(1.2), ink);
    canvas.fill(Shape::roundedBox(x + 1, cy - 5.5, 15, 3.2, 1), ink);
}

void fullScreen(Canvas& canvas, double x, double cy, Colour ink)
{
    const double l = x + 1, r = x + 16, t = cy - 6, b = cy + 6;
    const double w = 1.5, arm = 4.5;
    for (const auto& [px, py, sx, sy] : {std::tuple{l, t, 1.0, 1.0}, std::tuple{r, t, -1.0, 1.0},
                                         std::tuple{l, b, 1.0, -1.0}, std::tuple{r, b, -1.0, -1.0}}) {
        canvas.fill(Shape::segment({px, py}, {px + sx * arm, py}, w), ink);
        canvas.fill(Shape::segment({px, py}, {px, py + sy * arm}, w), ink);
    }
}

// A two-state switch: each state plain and lit, an icon and a caption, one state per pair of cells.
Canvas switchPicture(Lettering& lettering, const PictureFile& picture, const Icon states[2], const char* captions[2])
{
    const int width = picture.cellWidth(), height = picture.cellHeight();
    std::vector<Canvas> cells;
    for (int state = 0; state < 2; ++state)
        for (int lit = 0; lit < 2; ++lit) {
            Canvas cell(width, height);
            if (lit)
                ButtonArt::highlight(cell, 0, 0, width, height);
            const Colour ink = lit ? palette::textBright : palette::text;
            states[state](cell, 6, height / 2.0, ink);
            lettering.write(cell, captions[state], TextStyle{12, true}, ink, 27, width - 4, height / 2.0, Align::Left);
            cells.push_back(std::move(cell));
        }
    return ButtonArt::stacked(cells);
}

}  // namespace

Canvas PanelArt::okButton(Lettering& lettering) { return textButton(lettering, "OK", pictures::ok); }

Canvas PanelArt::resetButton(Lettering& lettering)
{
    return textButton(lettering, "Reset Scores", pictures::resetScores);
}

Canvas PanelArt::nameLabel(Lettering& lettering) { return label(lettering, "Name", pictures::nameLabel, Align::Left); }

Canvas PanelArt::scoreLabel(Lettering& lettering)
{
    return label(lettering, "Score", pictures::scoreLabel, Align::Right);
}

Canvas PanelArt::gameOver(Lettering& lettering)
{
    const int width = pictures::gameOver.width, height = pictures::gameOver.height;
    Canvas canvas(width, height, palette::panelFill);
    const TextStyle style = lettering.fit("GAME OVER", TextStyle{12, true}, width - 1);
    lettering.write(canvas, "GAME OVER", style, palette::accent, 0, width, height / 2);
    return canvas;
}

Canvas PanelArt::congratulations(Lettering& lettering)
{
    const int width = pictures::congratulations.width;
    Canvas canvas(width, pictures::congratulations.height, palette::panelFill);
    lettering.write(canvas, "Congratulations!", TextStyle{20, true}, palette::accentSoft, 0, width, 12);
    lettering.write(canvas, "Your score enters the high-score table.", TextStyle{12, false}, palette::text, 0, width,
                    36);
    lettering.write(canvas, "Type your name, then click OK.", TextStyle{12, false}, palette::text, 0, width, 54);
    return canvas;
}

Canvas PanelArt::tips(Lettering& lettering)
{
    const int width = pictures::tips.width;
    Canvas canvas(width, pictures::tips.height, palette::panelFill);
    const char* lines[] = {"Tip: squares count when tilted, too. Hold Space for hints.",
                           "Quick chains and combos multiply your score."};
    for (int i = 0; i < 2; ++i) {
        const TextStyle style = lettering.fit(lines[i], TextStyle{12, false}, width - 2);
        lettering.write(canvas, lines[i], style, palette::text, 0, width, 6 + i * 14);
    }
    return canvas;
}

Canvas PanelArt::soundSwitch(Lettering& lettering)
{
    const Icon icons[2] = {soundOn, soundOff};
    const char* captions[2] = {"Sound on", "Sound off"};
    return switchPicture(lettering, pictures::soundSwitch, icons, captions);
}

Canvas PanelArt::fullScreenSwitch(Lettering& lettering)
{
    const Icon icons[2] = {window, fullScreen};
    const char* captions[2] = {"Window", "Full screen"};
    return switchPicture(lettering, pictures::fullScreenSwitch, icons, captions);
}

#include "FieldArt.h"

#include <string>

#include "BlockArt.h"
#include "ButtonArt.h"
#include "LogoArt.h"
#include "Palette.h"
#include "Shape.h"

namespace {

using Align = Lettering::Align;

const TextStyle labelStyle{11, true};
const TextStyle noteStyle{11, false};

// A counter: its caption above a plain panel of the digits' own background colour, wide
// enough for `digits` cells centred between the column's bounds.
void counter(Canvas& canvas, Lettering& lettering, const char* caption, int left, int right, int y)
{
    const Shape panel = Shape::roundedBox(left + 4, y - 7, right - left - 8, 26, 4);
    canvas.fill(panel, palette::counterFill);
    canvas.fill(panel.grown(-0.5).border(1.0), palette::accent, 0.55);
    lettering.write(canvas, caption, labelStyle, palette::label, left, right, y - 16);
}

void background(Canvas& canvas)
{
    const Colour top = palette::backgroundTop, bottom = palette::backgroundBottom;
    canvas.fillAll([=](double x, double y) {
        // A gentle light from above the playing field.
        const double dx = (x - 400) / 520, dy = (y - 120) / 640;
        const double glow = std::max(0.0, 1.0 - (dx * dx + dy * dy));
        return bottom.mix(top, 0.35 + 0.65 * glow);
    });
}

void playingField(Canvas& canvas)
{
    using namespace FieldArt;
    const Shape frame = Shape::roundedBox(fieldLeft - 6, fieldTop - 6, fieldSize + 12, fieldSize + 12, 8);
    canvas.fill(frame, palette::fieldFill);
    canvas.fill(frame.grown(-0.75).border(1.5), palette::accent, 0.7);
    for (int row = 0; row < gridSize; ++row)
        for (int col = 0; col < gridSize; ++col) {
            const Shape well = Shape::roundedBox(fieldLeft + col * cellSize + 3, fieldTop + row * cellSize + 3,
                                                 cellSize - 6, cellSize - 6, 7);
            canvas.fill(well, palette::cellWell);
        }
}

void timeBar(Canvas& canvas, Lettering& lettering)
{
    using namespace FieldArt;
    const Shape frame = Shape::roundedBox(timeBarX - 4, timeBarY - 4, timeBarWidth + 8, timeBarHeight + 8, 4);
    canvas.fill(frame, palette::counterFill);
    canvas.fill(frame.grown(-0.5).border(1.0), palette::accent, 0.55);
    // The game fills the bar itself: the inside stays one plain dark colour.
    canvas.fill(Shape::roundedBox(timeBarX - 2, timeBarY - 2, timeBarWidth + 4, timeBarHeight + 4, 0),
                palette::counterFill);
    lettering.write(canvas, "TIME", labelStyle, palette::label, 0, timeBarX - 12, timeBarY + timeBarHeight / 2.0,
                    Align::Right);
}

void specialBlockBox(Canvas& canvas, Lettering& lettering)
{
    using namespace FieldArt;
    const Shape box = Shape::roundedBox(specialX - 15, specialY - 15, 60, 60, 8);
    canvas.fill(box, palette::cellWell);
    canvas.fill(box.grown(-0.5).border(1.0), palette::accent, 0.55);
    lettering.write(canvas, "SPECIAL", labelStyle, palette::label, rightColumnLeft, rightColumnRight, specialY - 26);
    lettering.write(canvas, "Match its colour", noteStyle, palette::text, rightColumnLeft, rightColumnRight,
                    specialY + 60, Align::Centre, 0.85);
    lettering.write(canvas, "for a bonus block", noteStyle, palette::text, rightColumnLeft, rightColumnRight,
                    specialY + 75, Align::Centre, 0.85);
}

const char* const mouseControls[3][2] = {
    {"Left click", "turns left"}, {"Right click", "turns right"}, {"Hold Space", "shows hints"}};

// The controls panel of the left column, by the mouse or by touch.
void controls(Canvas& canvas, Lettering& lettering, const char* const (&lines)[3][2])
{
    using namespace FieldArt;
    lettering.write(canvas, "CONTROLS", labelStyle, palette::label, leftColumnLeft, leftColumnRight, 290);
    for (int i = 0; i < 3; ++i) {
        const double y = 314 + i * 36;
        lettering.write(canvas, lines[i][0], labelStyle, palette::text, leftColumnLeft, leftColumnRight, y);
        lettering.write(canvas, lines[i][1], noteStyle, palette::text, leftColumnLeft, leftColumnRight, y + 14,
                        Align::Centre, 0.8);
    }
}

void buttonPanel(Canvas& canvas)
{
    const Shape box = Shape::roundedBox(656, 432, 128, 92, 6);
    canvas.fill(box, palette::panelFill);
    canvas.fill(box.grown(-0.5).border(1.0), palette::accent, 0.55);
}

// A digit cell: the digit centred in a box of `width` x `height` at (x, y).
void digit(Canvas& canvas, Lettering& lettering, int d, TextStyle style, Colour colour, double x, double y,
           double width, double height)
{
    lettering.write(canvas, std::to_string(d), style, colour, x, x + width, y + height / 2.0);
}

}  // namespace

Canvas FieldArt::field(Lettering& lettering)
{
    Canvas canvas(pictures::field.width, pictures::field.height, palette::backgroundBottom);
    background(canvas);
    lettering.write(canvas, "Kelvary", TextStyle{22, true}, palette::accentSoft, 0, 800, 22);
    timeBar(canvas, lettering);
    playingField(canvas);
    counter(canvas, lettering, "LEVEL", leftColumnLeft, leftColumnRight, 50);
    counter(canvas, lettering, "REMOVED", leftColumnLeft, leftColumnRight, 130);
    counter(canvas, lettering, "TARGET", leftColumnLeft, leftColumnRight, 210);
    counter(canvas, lettering, "COMBO", leftColumnLeft, leftColumnRight, 470);
    counter(canvas, lettering, "CHAIN", leftColumnLeft, leftColumnRight, 550);
    counter(canvas, lettering, "SCORE", rightColumnLeft, rightColumnRight, 50);
    controls(canvas, lettering, mouseControls);
    specialBlockBox(canvas, lettering);
    buttonPanel(canvas);
    return canvas;
}

// The controls panel as a finger plays, laid over the field's own where the game is touched.
Canvas FieldArt::touchControls(Lettering& lettering)
{
    Canvas canvas(pictures::field.width, pictures::field.height, palette::backgroundBottom);
    background(canvas);
    const char* const lines[3][2] = {
        {"Tap", "turns left"}, {"Touch and hold", "turns right"}, {"Two fingers", "show hints"}};
    controls(canvas, lettering, lines);
    return canvas.cut(touchControlsX, touchControlsY, pictures::touchControls.width, pictures::touchControls.height);
}

Canvas FieldArt::digits(Lettering& lettering)
{
    Canvas canvas(10 * digitWidth, digitHeight, palette::counterFill);
    for (int d = 0; d < 10; ++d)
        digit(canvas, lettering, d, TextStyle{14, true}, palette::textBright, d * digitWidth, 0, digitWidth,
              digitHeight);
    return canvas;
}

Canvas FieldArt::bigDigits(Lettering& lettering)
{
    const PictureFile& picture = pictures::bigDigits;
    const int width = picture.cellWidth(), height = picture.cellHeight();
    Canvas canvas(picture.width, picture.height);
    for (int d = 0; d < 10; ++d) {
        Canvas cell(width, height);
        lettering.writeOutlined(cell, std::to_string(d), TextStyle{18, true}, palette::popupDigit,
                                Colour::hex(0x100C30), 1.4, 0, width, height / 2);
        canvas.draw(cell, d * width, 0);
    }
    return canvas;
}

Canvas FieldArt::exitButton(Lettering& lettering, const Canvas& field)
{
    std::vector<Canvas> cells;
    for (int lit = 0; lit < 2; ++lit) {
        Canvas cell = field.cut(exitX, exitY, exitWidth, exitHeight);
        if (lit)
            ButtonArt::highlight(cell, 0, 0, exitWidth, exitHeight);
        const Colour ink = lit ? palette::textBright : palette::text;
        // A door arrow, then the caption.
        const double cy = exitHeight / 2.0;
        cell.fill(Shape::segment({6, cy}, {13, cy}, 1.6), ink);
        cell.fill(Shape::polygon({{15.5, cy}, {11.5, cy - 3.5}, {11.5, cy + 3.5}}), ink);
        cell.fill(Shape::roundedBox(3.5, cy - 5, 1.6, 10, 0.5), ink);
        lettering.write(cell, "Exit", TextStyle{12, true}, ink, 18, exitWidth - 4, cy, Align::Centre);
        cells.push_back(std::move(cell));
    }
    return ButtonArt::stacked(cells);
}

Canvas FieldArt::logoButton(Lettering& lettering, const Canvas& field)
{
    std::vector<Canvas> cells;
    for (int lit = 0; lit < 2; ++lit) {
        Canvas cell = field.cut(logoX, logoY, logoWidth, logoHeight);
        if (lit)
            ButtonArt::highlight(cell, 0, 0, logoWidth, logoHeight);
        LogoArt::mark(cell, 16, logoHeight / 2.0, 19);
        lettering.write(cell, LogoArt::makerName, TextStyle{17, true}, lit ? palette::textBright : palette::text, 30,
                        logoWidth - 4, logoHeight / 2.0 - 1, Align::Centre);
        cells.push_back(std::move(cell));
    }
    return ButtonArt::stacked(cells);
}

#include "HelpPictures.h"

#include "BlockArt.h"
#include "Palette.h"
#include "Shape.h"

namespace {

constexpr int cell = 48;
constexpr int margin = 12;

// A small board of blocks given as rows of colour numbers (-1 leaves a cell empty).
Canvas board(const std::vector<std::vector<int>>& rows)
{
    const int h = static_cast<int>(rows.size()), w = static_cast<int>(rows.front().size());
    Canvas canvas(w * cell + 2 * margin, h * cell + 2 * margin, palette::panelFill);
    canvas.fill(Shape::roundedBox(margin - 4, margin - 4, w * cell + 8, h * cell + 8, 7), palette::fieldFill);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double left = margin + x * cell, top = margin + y * cell;
            canvas.fill(Shape::roundedBox(left + 2, top + 2, cell - 4, cell - 4, 6), palette::cellWell);
            if (rows[y][x] >= 0)
                BlockArt::draw(canvas, rows[y][x], 0, left + (cell - BlockArt::blockSize) / 2.0,
                               top + (cell - BlockArt::blockSize) / 2.0, BlockArt::blockSize);
        }
    return canvas;
}

Point centre(int x, int y) { return {margin + x * cell + cell / 2.0, margin + y * cell + cell / 2.0}; }

void outline(Canvas& canvas, const std::vector<Point>& corners, Colour colour)
{
    for (std::size_t i = 0; i < corners.size(); ++i)
        canvas.fill(Shape::segment(corners[i], corners[(i + 1) % corners.size()], 2.5), colour, 0.9);
}

// A curved arrow from left to right, as drawn between two boards.
void arrow(Canvas& canvas, double x0, double x1, double y)
{
    canvas.fill(Shape::segment({x0, y}, {x1 - 6, y}, 3), palette::accent);
    canvas.fill(Shape::polygon({{x1, y}, {x1 - 10, y - 7}, {x1 - 10, y + 7}}), palette::accent);
}

}  // namespace

std::vector<HelpPicture> HelpPictures::make()
{
    std::vector<HelpPicture> out;

    // An upright square: four blue blocks on the corners of a 3 x 3 square.
    Canvas upright = board({{5, 1, 0, 5, 2}, {3, 2, 6, 4, 1}, {0, 7, 1, 2, 6}, {5, 4, 3, 5, 0}});
    outline(upright, {centre(0, 0), centre(3, 0), centre(3, 3), centre(0, 3)}, palette::textBright);
    out.push_back({"square-upright.png", std::move(upright)});

    // A tilted square: four green blocks around a turned square.
    Canvas tilted = board({{1, 3, 0, 6, 2}, {5, 2, 7, 3, 4}, {3, 0, 1, 6, 5}, {4, 6, 3, 2, 7}});
    outline(tilted, {centre(1, 0), centre(3, 1), centre(2, 3), centre(0, 2)}, palette::textBright);
    out.push_back({"square-tilted.png", std::move(tilted)});

    // Turning a group: the 2 x 2 group before and after a left click.
    Canvas before = board({{0, 5}, {3, 2}});
    Canvas after = board({{5, 2}, {0, 3}});
    Canvas turn(before.width() * 2 + 60, before.height(), palette::panelFill);
    turn.draw(before, 0, 0);
    turn.draw(after, before.width() + 60, 0);
    arrow(turn, before.width() + 12, before.width() + 48, before.height() / 2.0);
    out.push_back({"turn-left.png", std::move(turn)});

    // The eight colours and their symbols.
    Canvas colours(8 * 44 + 8, 52, palette::panelFill);
    for (int row = 0; row < BlockArt::colourCount; ++row)
        BlockArt::draw(colours, row, 0, 11 + row * 44, 8, 36);
    out.push_back({"colours.png", std::move(colours)});

    // How a block is cleared.
    Canvas clearing(5 * 44 + 8, 52, palette::cellWell);
    for (int frame = 0; frame < BlockArt::framesPerColour; ++frame)
        BlockArt::draw(clearing, 4, frame, 11 + frame * 44, 8, 36);
    out.push_back({"clearing.png", std::move(clearing)});
    return out;
}

#include "Lettering.h"

#include <cmath>

Lettering::Placement Lettering::place(std::string_view caption, TextStyle style, double left, double right,
                                      double middleY, Align align)
{
    const int w = text.width(caption, style);
    double x = left;
    if (align == Align::Centre)
        x = (left + right - w) / 2;
    else if (align == Align::Right)
        x = right - w;
    const int baseline = static_cast<int>(std::lround(middleY + text.capHeight(style) / 2.0));
    return {static_cast<int>(std::lround(x)), baseline};
}

Mask Lettering::maskFor(std::string_view caption, TextStyle style, const Canvas& canvas, Placement at)
{
    return text.render(caption, style, at.x, at.baseline, canvas.width(), canvas.height());
}

void Lettering::write(Canvas& canvas, std::string_view caption, TextStyle style, const Canvas::Paint& paint,
                      double left, double right, double middleY, Align align, double opacity)
{
    const Placement at = place(caption, style, left, right, middleY, align);
    canvas.fill(maskFor(caption, style, canvas, at), 0, 0, paint, opacity);
}

void Lettering::write(Canvas& canvas, std::string_view caption, TextStyle style, Colour colour, double left,
                      double right, double middleY, Align align, double opacity)
{
    write(
        canvas, caption, style, [colour](double, double) { return colour; }, left, right, middleY, align, opacity);
}

void Lettering::writeOutlined(Canvas& canvas, std::string_view caption, TextStyle style, Colour colour,
                              Colour outlineColour, double outlineWidth, double left, double right, double middleY,
                              Align align)
{
    const Placement at = place(caption, style, left, right, middleY, align);
    const Mask letters = maskFor(caption, style, canvas, at);
    canvas.fill(letters.dilated(outlineWidth), 0, 0, outlineColour);
    canvas.fill(letters, 0, 0, colour);
}

void Lettering::shadow(Canvas& canvas, std::string_view caption, TextStyle style, double left, double right,
                       double middleY, double offset, double blur, double opacity, Align align)
{
    Placement at = place(caption, style, left, right, middleY, align);
    at.x += static_cast<int>(offset);
    at.baseline += static_cast<int>(offset);
    const Mask letters = maskFor(caption, style, canvas, at).dilated(blur);
    canvas.fill(letters, 0, 0, Colour{0, 0, 0.02}, opacity);
}

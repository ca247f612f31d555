#pragma once

#include <string_view>

#include "Canvas.h"
#include "TextRenderer.h"

// Places captions on a canvas in the game's type style: centred or aligned in a box,
// optionally with a dark outline so they read over anything.
class Lettering {
public:
    enum class Align {
        Left,
        Centre,
        Right
    };

    explicit Lettering(TextRenderer& renderer) : text(renderer) {}

    TextRenderer& renderer() { return text; }
    int width(std::string_view caption, TextStyle style) { return text.width(caption, style); }
    // Largest style not above `preferred` whose caption fits `maxWidth`.
    TextStyle fit(std::string_view caption, TextStyle preferred, int maxWidth)
    {
        return text.fitted(caption, preferred, maxWidth);
    }

    // The caption with its capitals centred vertically on `middleY` and aligned horizontally
    // within left..right.
    void write(Canvas& canvas, std::string_view caption, TextStyle style, const Canvas::Paint& paint, double left,
               double right, double middleY, Align align = Align::Centre, double opacity = 1.0);
    void write(Canvas& canvas, std::string_view caption, TextStyle style, Colour colour, double left, double right,
               double middleY, Align align = Align::Centre, double opacity = 1.0);
    // The same with an outline of `outlineWidth` pixels in `outlineColour` under the letters.
    void writeOutlined(Canvas& canvas, std::string_view caption, TextStyle style, Colour colour, Colour outlineColour,
                       double outlineWidth, double left, double right, double middleY, Align align = Align::Centre);
    // A soft shadow under where the caption will be written.
    void shadow(Canvas& canvas, std::string_view caption, TextStyle style, double left, double right, double middleY,
                double offset, double blur, double opacity, Align align = Align::Centre);

private:
    struct Placement {
        int x, baseline;
    };
    Placement place(std::string_view caption, TextStyle style, double left, double right, double middleY, Align align);
    Mask maskFor(std::string_view caption, TextStyle style, const Canvas& canvas, Placement at);

    TextRenderer& text;
};

#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "Mask.h"

// Text for the pictures: the game's one typeface (Liberation Sans, or DejaVu Sans where it
// is missing) found through fontconfig and rendered anti-aliased with FreeType.
struct TextStyle {
    int pixelSize = 12;
    bool bold = false;
};

class TextRenderer {
public:
    TextRenderer();
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    // False (with `error` set) when neither typeface can be found or opened.
    bool isReady() const;
    const std::string& error() const;
    std::string familyName() const;

    // Advance width of the text in pixels.
    int width(std::string_view utf8, TextStyle style);
    // Distance from the top of the capital letters to the baseline (cap height).
    int capHeight(TextStyle style);
    // Coverage of the text with its baseline at `baseline` and its pen starting at `x`,
    // on a mask of the given size.
    Mask render(std::string_view utf8, TextStyle style, int x, int baseline, int maskWidth, int maskHeight);
    // The largest pixel size, not above `preferred`, at which the text fits `maxWidth`.
    TextStyle fitted(std::string_view utf8, TextStyle preferred, int maxWidth);

private:
    struct Fonts;
    std::unique_ptr<Fonts> fonts;
};

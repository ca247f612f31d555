#pragma once

// One font opened at one cell height, with the glyphs it has drawn so far.

#include <SDL_ttf.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace platform::sdl {

// A glyph's anti-aliased coverage (0..255), placed relative to the pen position on the
// line's top edge.
struct Glyph {
    std::vector<std::uint8_t> coverage;  // width x height, row by row
    int width = 0;
    int height = 0;
    int left = 0;     // x of the coverage's first column relative to the pen
    int advance = 0;  // how far the pen moves on
};

class FontFace {
public:
    // Takes ownership of `font`, opened so that its line height is the cell height.
    explicit FontFace(TTF_Font* font);
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;
    ~FontFace();

    // The line height (ascent + descent) in pixels.
    int getHeight() const { return height; }
    int getAscent() const;
    // The glyph of a character byte of the game's text (Windows-1252, as the game's ANSI
    // text is), rendered on first use.
    const Glyph& glyph(unsigned char character);
    // Sum of the advances of `length` bytes of text.
    int measure(const char* text, int length);

private:
    TTF_Font* font;
    int height;
    std::unordered_map<unsigned char, Glyph> glyphs;
};

// The Unicode code point of a Windows-1252 byte.
std::uint32_t codePointOf(unsigned char character);

}  // namespace platform::sdl

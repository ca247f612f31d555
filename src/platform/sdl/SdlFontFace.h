#pragma once

// One font at one cell height, with the glyphs it has drawn so far.

#include <SDL_ttf.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
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

// The glyphs of one font file at one size, by character byte; they outlive the open font so
// that a font opened again (every frame's drawing context opens its own) draws at once.
using GlyphTable = std::array<std::optional<Glyph>, 256>;

class FontFace {
public:
    // The face in `file` (face `index`) at one point and `resolution` dots per inch, which makes
    // its line height `height`.  `glyphs` keeps what is drawn and must outlive the face; the
    // file itself is opened only when a glyph is not there yet.
    FontFace(std::string file, int index, unsigned resolution, int height, GlyphTable& glyphs);
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;
    ~FontFace();

    // The line height (ascent + descent) in pixels.
    int getHeight() const { return height; }
    // The glyph of a character byte of the game's text (Windows-1252, as the game's ANSI
    // text is), rendered on first use.
    const Glyph& glyph(unsigned char character);
    // Sum of the advances of `length` bytes of text.
    int measure(const char* text, int length);

private:
    Glyph render(unsigned char character);

    std::string file;
    int index;
    unsigned resolution;
    int height;
    GlyphTable& glyphs;
    TTF_Font* font = nullptr;
    bool openFailed = false;
};

// The Unicode code point of a Windows-1252 byte.
std::uint32_t codePointOf(unsigned char character);

}  // namespace platform::sdl

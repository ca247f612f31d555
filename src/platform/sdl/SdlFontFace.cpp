#include "platform/sdl/SdlFontFace.h"

#include <algorithm>
#include <utility>

namespace platform::sdl {

namespace {

// Bytes 0x80..0x9F of Windows-1252; the rest of the code page is Latin-1.
constexpr std::uint16_t windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

std::uint32_t codePointOf(unsigned char character)
{
    if (character >= 0x80 && character < 0xA0)
        return windows1252High[character - 0x80];
    return character;
}

FontFace::FontFace(std::string fontFile, int faceIndex, unsigned dotsPerInch, int lineHeight, GlyphTable& table)
    : file(std::move(fontFile)),
      index(faceIndex),
      resolution(dotsPerInch),
      height(lineHeight),
      glyphs(table)
{}

FontFace::~FontFace()
{
    if (font)
        TTF_CloseFont(font);
}

const Glyph& FontFace::glyph(unsigned char character)
{
    std::optional<Glyph>& slot = glyphs[character];
    if (!slot)
        slot = render(character);
    return *slot;
}

Glyph FontFace::render(unsigned char character)
{
    Glyph made;
    if (!font && !openFailed) {
        font = TTF_OpenFontIndexDPI(file.c_str(), 1, index, resolution, resolution);
        openFailed = font == nullptr;
        // Widths are plain sums of advances, so pairs are never kerned.
        if (font)
            TTF_SetFontKerning(font, 0);
    }
    if (!font)
        return made;
    const std::uint32_t point = codePointOf(character);
    int minX = 0;
    int maxX = 0;
    int minY = 0;
    int maxY = 0;
    int advance = 0;
    if (TTF_GlyphMetrics32(font, point, &minX, &maxX, &minY, &maxY, &advance) != 0)
        return made;
    made.advance = advance;
    // The rendered glyph starts at the pen, or left of it by its overhang.
    made.left = std::min(0, minX);
    SDL_Surface* rendered = TTF_RenderGlyph32_Blended(font, point, SDL_Color{255, 255, 255, 255});
    if (!rendered)
        return made;
    SDL_Surface* argb = rendered;
    if (rendered->format->format != SDL_PIXELFORMAT_ARGB8888)
        argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    if (argb && SDL_LockSurface(argb) == 0) {
        made.width = argb->w;
        made.height = argb->h;
        made.coverage.resize(static_cast<std::size_t>(made.width) * static_cast<std::size_t>(made.height));
        for (int y = 0; y < made.height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(argb->pixels) +
                                                                     static_cast<std::ptrdiff_t>(y) * argb->pitch);
            for (int x = 0; x < made.width; ++x)
                made.coverage[static_cast<std::size_t>(y) * made.width + x] = static_cast<std::uint8_t>(row[x] >> 24);
        }
        SDL_UnlockSurface(argb);
    }
    if (argb && argb != rendered)
        SDL_FreeSurface(argb);
    SDL_FreeSurface(rendered);
    return made;
}

int FontFace::measure(const char* text, int length)
{
    int width = 0;
    for (int i = 0; i < length; ++i)
        width += glyph(static_cast<unsigned char>(text[i])).advance;
    return width;
}

}  // namespace platform::sdl

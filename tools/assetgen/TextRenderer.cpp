#include "TextRenderer.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <vector>

namespace {

// Code points of a UTF-8 string; malformed bytes come out as U+FFFD.
std::vector<char32_t> decode(std::string_view text)
{
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= text.size() + (extra == 0 ? 1 : 0)) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t c = extra == 0 ? b : b & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto n = static_cast<unsigned char>(text[i + k]);
            ok = ok && (n & 0xC0) == 0x80;
            c = (c << 6) | (n & 0x3F);
        }
        out.push_back(ok ? c : 0xFFFD);
        i += ok ? extra + 1 : 1;
    }
    return out;
}

}  // namespace

struct TextRenderer::Fonts {
    FT_Library library = nullptr;
    FT_Face regular = nullptr;
    FT_Face bold = nullptr;
    std::string family;
    std::string error;
    bool fontconfigStarted = false;

    ~Fonts()
    {
        if (regular)
            FT_Done_Face(regular);
        if (bold)
            FT_Done_Face(bold);
        if (library)
            FT_Done_FreeType(library);
        if (fontconfigStarted)
            FcFini();
    }

    // Opens the named family at the given weight if fontconfig has it (and not a stand-in).
    FT_Face open(const char* wanted, int weight)
    {
        FcPattern* pattern = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, wanted, FC_WEIGHT, FcTypeInteger, weight,
                                            FC_SLANT, FcTypeInteger, FC_SLANT_ROMAN, nullptr);
        if (!pattern)
            return nullptr;
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        FcPatternDestroy(pattern);
        if (!match)
            return nullptr;
        FT_Face face = nullptr;
        FcChar8* file = nullptr;
        FcChar8* matched = nullptr;
        int index = 0;
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
            FcPatternGetString(match, FC_FAMILY, 0, &matched) == FcResultMatch &&
            std::string_view(reinterpret_cast<const char*>(matched)) == wanted) {
            if (FT_New_Face(library, reinterpret_cast<const char*>(file), index, &face) != 0)
                face = nullptr;
        }
        FcPatternDestroy(match);
        return face;
    }

    FT_Face face(TextStyle style)
    {
        FT_Face f = style.bold ? bold : regular;
        FT_Set_Pixel_Sizes(f, 0, static_cast<FT_UInt>(style.pixelSize));
        return f;
    }
};

TextRenderer::TextRenderer() : fonts(std::make_unique<Fonts>())
{
    if (!FcInit()) {
        fonts->error = "fontconfig could not be initialised";
        return;
    }
    fonts->fontconfigStarted = true;
    if (FT_Init_FreeType(&fonts->library) != 0) {
        fonts->library = nullptr;
        fonts->error = "FreeType could not be initialised";
        return;
    }
    for (const char* family : {"Liberation Sans", "DejaVu Sans"}) {
        fonts->regular = fonts->open(family, FC_WEIGHT_REGULAR);
        fonts->bold = fonts->open(family, FC_WEIGHT_BOLD);
        if (fonts->regular && fonts->bold) {
            fonts->family = family;
            return;
        }
        if (fonts->regular)
            FT_Done_Face(fonts->regular);
        if (fonts->bold)
            FT_Done_Face(fonts->bold);
        fonts->regular = fonts->bold = nullptr;
    }
    fonts->error = "neither Liberation Sans nor DejaVu Sans (regular and bold) is installed";
}

TextRenderer::~TextRenderer() = default;

bool TextRenderer::isReady() const { return fonts->regular && fonts->bold; }

const std::string& TextRenderer::error() const { return fonts->error; }

std::string TextRenderer::familyName() const { return fonts->family; }

int TextRenderer::width(std::string_view utf8, TextStyle style)
{
    FT_Face face = fonts->face(style);
    long pen = 0;
    FT_UInt previous = 0;
    for (char32_t c : decode(utf8)) {
        const FT_UInt glyph = FT_Get_Char_Index(face, c);
        if (previous && glyph && FT_HAS_KERNING(face)) {
            FT_Vector kern{};
            FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kern);
            pen += kern.x;
        }
        if (FT_Load_Glyph(face, glyph, FT_LOAD_TARGET_LIGHT) == 0)
            pen += face->glyph->advance.x;
        previous = glyph;
    }
    return static_cast<int>((pen + 32) >> 6);
}

int TextRenderer::capHeight(TextStyle style)
{
    FT_Face face = fonts->face(style);
    if (FT_Load_Char(face, 'H', FT_LOAD_TARGET_LIGHT) != 0)
        return style.pixelSize * 7 / 10;
    return static_cast<int>((face->glyph->metrics.height + 32) >> 6);
}

Mask TextRenderer::render(std::string_view utf8, TextStyle style, int x, int baseline, int maskWidth, int maskHeight)
{
    Mask mask(maskWidth, maskHeight);
    FT_Face face = fonts->face(style);
    long pen = static_cast<long>(x) * 64;
    FT_UInt previous = 0;
    for (char32_t c : decode(utf8)) {
        const FT_UInt glyph = FT_Get_Char_Index(face, c);
        if (previous && glyph && FT_HAS_KERNING(face)) {
            FT_Vector kern{};
            FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kern);
            pen += kern.x;
        }
        previous = glyph;
        if (FT_Load_Glyph(face, glyph, FT_LOAD_TARGET_LIGHT) != 0 ||
            FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0)
            continue;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        const int left = static_cast<int>((pen + 32) >> 6) + slot->bitmap_left;
        const int top = baseline - slot->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row)
            for (unsigned col = 0; col < bitmap.width; ++col) {
                const std::uint8_t v = bitmap.buffer[static_cast<long>(row) * bitmap.pitch + col];
                if (v)
                    mask.put(left + static_cast<int>(col), top + static_cast<int>(row), v / 255.0);
            }
        pen += slot->advance.x;
    }
    return mask;
}

TextStyle TextRenderer::fitted(std::string_view utf8, TextStyle preferred, int maxWidth)
{
    TextStyle style = preferred;
    while (style.pixelSize > 6 && width(utf8, style) > maxWidth)
        --style.pixelSize;
    return style;
}

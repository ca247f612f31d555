#include "platform/sdl/SdlFontLibrary.h"

#include <algorithm>

namespace platform::sdl {

namespace {

constexpr int largestCellHeight = 1024;

// The resolution that gives a face its cell height: the largest fractional em size (one point
// at a chosen resolution: 1/72 pixel steps) whose line height does not exceed the cell height.
unsigned findResolution(TTF_Font* font, int cellHeight)
{
    unsigned low = 1;
    unsigned high = static_cast<unsigned>(cellHeight) * 72u * 4u;
    unsigned best = 0;
    while (low <= high) {
        const unsigned middle = low + (high - low) / 2;
        if (TTF_SetFontSizeDPI(font, 1, middle, middle) == 0 && TTF_FontHeight(font) <= cellHeight) {
            best = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return best;
}

// What a face name and cell height came to, kept for the whole run: the drawing contexts come
// and go with every frame, and asking fontconfig and searching the size again each time would
// cost far more than drawing the text.  Plain data only; no font stays open through it.
struct FontChoice {
    FontMatch match;
    unsigned resolution = 0;
    int height = 0;
    GlyphTable glyphs;
};

std::map<std::pair<std::string, int>, FontChoice>& rememberedChoices()
{
    static std::map<std::pair<std::string, int>, FontChoice> choices;
    return choices;
}

}  // namespace

std::shared_ptr<FontLibrary> FontLibrary::acquire()
{
    // One library while any user is alive; a later user after the last one left starts anew.
    static std::weak_ptr<FontLibrary> shared;
    std::shared_ptr<FontLibrary> library = shared.lock();
    if (!library) {
        library = std::shared_ptr<FontLibrary>(new FontLibrary());
        shared = library;
    }
    return library;
}

FontLibrary::FontLibrary() : ready(TTF_Init() == 0) {}

FontLibrary::~FontLibrary()
{
    faces.clear();
    if (ready)
        TTF_Quit();
}

FontMatch FontLibrary::resolve(const std::string& faceName)
{
    FontMatch match;
    bool known = false;
    if (!faceName.empty() && matchFontFamily(faceName, match, known) && known)
        return match;
    FontMatch fallback;
    bool fallbackKnown = false;
    if (matchFontFamily("sans-serif", fallback, fallbackKnown))
        return fallback;
    return match;
}

FontFace* FontLibrary::open(const std::string& faceName, int cellHeight)
{
    if (!ready)
        return nullptr;
    // As with the game's fonts: 0 asks for the default size; a negative height is taken as
    // its size.
    int height = cellHeight == 0 ? 16 : (cellHeight < 0 ? -cellHeight : cellHeight);
    height = std::clamp(height, 1, largestCellHeight);
    const auto key = std::make_pair(faceName, height);
    auto found = faces.find(key);
    if (found != faces.end())
        return found->second.get();

    auto& choices = rememberedChoices();
    auto remembered = choices.find(key);
    if (remembered == choices.end()) {
        FontChoice choice;
        choice.match = resolve(faceName);
        if (choice.match.file.empty())
            return nullptr;
        TTF_Font* font = TTF_OpenFontIndexDPI(choice.match.file.c_str(), 1, choice.match.index, 72, 72);
        if (!font)
            return nullptr;
        choice.resolution = findResolution(font, height);
        const bool sized =
            choice.resolution != 0 && TTF_SetFontSizeDPI(font, 1, choice.resolution, choice.resolution) == 0;
        choice.height = sized ? TTF_FontHeight(font) : 0;
        TTF_CloseFont(font);
        if (!sized)
            return nullptr;
        remembered = choices.emplace(key, std::move(choice)).first;
    }
    FontChoice& choice = remembered->second;
    auto face = std::make_unique<FontFace>(choice.match.file, choice.match.index, choice.resolution, choice.height,
                                           choice.glyphs);
    FontFace* result = face.get();
    faces.emplace(key, std::move(face));
    return result;
}

}  // namespace platform::sdl

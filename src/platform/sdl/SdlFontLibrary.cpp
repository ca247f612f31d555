#include "platform/sdl/SdlFontLibrary.h"

#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <algorithm>

#if defined(__SANITIZE_ADDRESS__)
// fontconfig loses a few bytes while it parses its configuration files on first use; that is
// the library's own, once per process, and not ours to report.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif

namespace platform::sdl {

namespace {

constexpr int largestCellHeight = 1024;

// fontconfig's best file for a family name, with every family the matched face calls itself.
bool matchFamily(const std::string& family, FontMatch& match, bool& familyKnown)
{
    FcPattern* pattern = FcPatternCreate();
    if (!pattern)
        return false;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);

    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, pattern, &result);
    bool ok = false;
    familyKnown = false;
    if (found) {
        FcChar8* file = nullptr;
        int index = 0;
        FcChar8* matchedFamily = nullptr;
        if (FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch && file) {
            ok = true;
            match.file = reinterpret_cast<const char*>(file);
            if (FcPatternGetInteger(found, FC_INDEX, 0, &index) == FcResultMatch)
                match.index = index;
            if (FcPatternGetString(found, FC_FAMILY, 0, &matchedFamily) == FcResultMatch && matchedFamily)
                match.family = reinterpret_cast<const char*>(matchedFamily);
            // fontconfig always returns some face.  It counts as the one asked for when one of
            // its family names is the requested name or a name the configuration binds to it
            // strongly (the metric-compatible twins), not a generic fallback.
            for (int i = 0; FcPatternGetString(found, FC_FAMILY, i, &matchedFamily) == FcResultMatch; ++i) {
                const char* name = reinterpret_cast<const char*>(matchedFamily);
                FcValue value;
                FcValueBinding binding = FcValueBindingWeak;
                for (int j = 0; FcPatternGetWithBinding(pattern, FC_FAMILY, j, &value, &binding) == FcResultMatch;
                     ++j) {
                    if (value.type != FcTypeString)
                        continue;
                    const bool requested = j == 0;
                    const bool strong = binding != FcValueBindingWeak;
                    if ((requested || strong) && strcasecmp(name, reinterpret_cast<const char*>(value.u.s)) == 0)
                        familyKnown = true;
                }
            }
        }
        FcPatternDestroy(found);
    }
    FcPatternDestroy(pattern);
    return ok;
}

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
    if (!faceName.empty() && matchFamily(faceName, match, known) && known)
        return match;
    FontMatch fallback;
    bool fallbackKnown = false;
    if (matchFamily("sans-serif", fallback, fallbackKnown)) {
        fallback.substitute = true;
        return fallback;
    }
    match.substitute = true;
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

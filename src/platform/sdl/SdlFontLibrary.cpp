#include "platform/sdl/SdlFontLibrary.h"

#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <algorithm>

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
                    if ((requested || strong) &&
                        strcasecmp(name, reinterpret_cast<const char*>(value.u.s)) == 0)
                        familyKnown = true;
                }
            }
        }
        FcPatternDestroy(found);
    }
    FcPatternDestroy(pattern);
    return ok;
}

// Opens the file at the size whose line height is `cellHeight`: the largest fractional em size
// (one point at a chosen resolution: 1/72 pixel steps) whose height does not exceed it.
TTF_Font* openAtCellHeight(const FontMatch& match, int cellHeight)
{
    TTF_Font* font = TTF_OpenFontIndexDPI(match.file.c_str(), 1, match.index, 72, 72);
    if (!font)
        return nullptr;
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
    if (best == 0 || TTF_SetFontSizeDPI(font, 1, best, best) != 0) {
        TTF_CloseFont(font);
        return nullptr;
    }
    return font;
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

    const FontMatch match = resolve(faceName);
    TTF_Font* font = match.file.empty() ? nullptr : openAtCellHeight(match, height);
    if (!font)
        return nullptr;
    auto face = std::make_unique<FontFace>(font);
    FontFace* result = face.get();
    faces.emplace(key, std::move(face));
    return result;
}

}  // namespace platform::sdl

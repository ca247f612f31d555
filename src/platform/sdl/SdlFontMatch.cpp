// Face names resolved by fontconfig, as the desktop has its fonts installed.
#include <fontconfig/fontconfig.h>
#include <strings.h>

#include "platform/sdl/SdlFontLibrary.h"

#if defined(__SANITIZE_ADDRESS__)
// fontconfig loses a few bytes while it parses its configuration files on first use, and the
// session bus library that SDL opens on a real X server keeps one allocation; those are the
// libraries' own, once per process, and not ours to report.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }
#endif

namespace platform::sdl {

// fontconfig's best file for a family name, with every family the matched face calls itself.
bool matchFontFamily(const std::string& family, FontMatch& match, bool& familyKnown)
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

}  // namespace platform::sdl

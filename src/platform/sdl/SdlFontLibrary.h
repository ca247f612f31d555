#pragma once

// Fonts by face name and cell height: fontconfig finds the file, SDL2_ttf opens it at the
// size whose line height is the cell height, and every opened font is kept for reuse.

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/sdl/SdlFontFace.h"

namespace platform::sdl {

// Where a face name leads.
struct FontMatch {
    std::string file;
    int index = 0;
    std::string family;  // the family fontconfig matched
};

// The best file for a family name, with whether the face is the one asked for (or a metric twin
// of it) rather than a generic fallback.  False if no file was found at all.
bool matchFontFamily(const std::string& family, FontMatch& match, bool& familyKnown);

class FontLibrary {
public:
    // The library shared by every drawing context and font alive; it starts SDL2_ttf when the
    // first one needs it and stops it (closing every font) when the last one goes.
    static std::shared_ptr<FontLibrary> acquire();

    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;
    ~FontLibrary();

    bool isReady() const { return ready; }

    // The face at a cell height in pixels (as a font height of the game: ascent + descent);
    // null only when no font at all can be opened.  The face stays valid while the library lives.
    FontFace* open(const std::string& faceName, int cellHeight);

    // Resolves a face name through fontconfig.  "Arial" may be served by a metric twin such as
    // Liberation Sans; a name fontconfig knows nothing about falls back to the sans-serif face.
    static FontMatch resolve(const std::string& faceName);

private:
    FontLibrary();

    bool ready = false;
    std::map<std::pair<std::string, int>, std::unique_ptr<FontFace>> faces;
};

}  // namespace platform::sdl

// Face names in the browser, which has no font configuration: the game's one face, "Arial",
// is served by its metric twin Liberation Sans, the file bundled with the game's data (the
// same file the desktop's fontconfig picks), and any other name falls back to it.
#include <strings.h>

#include "platform/sdl/SdlFontLibrary.h"

namespace platform::sdl {

bool matchFontFamily(const std::string& family, FontMatch& match, bool& familyKnown)
{
    match.file = "/fonts/LiberationSans-Regular.ttf";
    match.index = 0;
    match.family = "Liberation Sans";
    familyKnown = strcasecmp(family.c_str(), "Arial") == 0 || strcasecmp(family.c_str(), "Liberation Sans") == 0;
    return true;
}

}  // namespace platform::sdl

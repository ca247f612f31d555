#pragma once

// The settings key as the browser's storage hands it over, read back into values.

#include <string>
#include <vector>

#include "platform/sdl/SettingsFile.h"

namespace platform::sdl {

class BrowserSettingsText {
public:
    // `stored` is "K" and the key's whole text from its one item; or "V" and the items of
    // earlier versions, one value each, as "NAME<tab>LINE" lines; anything else (the storage
    // blocked) is an empty key.  Lines that cannot be read, an item holding another value's
    // line and another key's text count as missing, so they read as their defaults.
    static std::vector<SettingsValue> values(const std::string& keyPath, const std::string& stored);
};

}  // namespace platform::sdl

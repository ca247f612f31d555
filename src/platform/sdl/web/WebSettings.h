#pragma once

// The settings key in the browser's local storage, which outlives a page reload.

#include <memory>
#include <string>

#include "platform/Settings.h"

namespace platform::sdl {

// One storage item per value, named by the key path and the value's name
// ("Software\harrowdine\harrowdine Kelvary\hasSound") and holding the value's line of the
// settings text.  Without storage (blocked, or private browsing that refuses it) the key
// starts empty and keeps nothing.
std::unique_ptr<SettingsKey> openBrowserSettings(const std::string& keyPath);

}  // namespace platform::sdl

#pragma once

// The settings key in the browser's local storage, which outlives a page reload.

#include <memory>
#include <string>

#include "platform/Settings.h"

namespace platform::sdl {

// One storage item named by the key path ("Software\harrowdine\harrowdine Kelvary") holds
// the whole key as the desktop's settings file does, replaced in one step, so the high-score
// table is never half written.  Earlier versions kept one item per value
// ("...\hasSound" holding its line); those are read while the key's item does not exist yet
// and dropped once it does.  Without storage (blocked, private browsing, or full) the key
// starts empty and keeps nothing, and the game plays on.
std::unique_ptr<SettingsKey> openBrowserSettings(const std::string& keyPath);

}  // namespace platform::sdl

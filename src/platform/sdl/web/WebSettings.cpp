#include "platform/sdl/web/WebSettings.h"

#include <emscripten.h>

#include <cstdlib>
#include "platform/sdl/BrowserSettingsText.h"
#include "platform/sdl/FileSettingsKey.h"

namespace {

// What the storage holds for the key: "K" and the whole key's text from its one item, or
// "V" and the items of earlier versions, one value each, as "NAME<tab>LINE" lines; "N" when
// the storage is blocked.  A string the caller frees.
EM_JS(char*, readStoredKey, (const char* path), {
    const key = UTF8ToString(path);
    let text = "N";
    try {
        const whole = localStorage.getItem(key);
        if (whole != null) {
            text = "K" + whole;
        } else {
            // Escapes in these strings would not survive the build's JSON: characters by code.
            const backslash = String.fromCharCode(92), tab = String.fromCharCode(9), newline = String.fromCharCode(10);
            text = "V";
            const start = key + backslash;
            for (let i = 0; i < localStorage.length; ++i) {
                const name = localStorage.key(i);
                if (name.startsWith(start))
                    text += name.slice(start.length).split(tab).join(" ").split(newline).join(" ") + tab +
                            localStorage.getItem(name).split(newline).join(" ") + newline;
            }
        }
    } catch (e) {
        text = "N";
    }
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});

// Replaces the key's item in one step, then drops the items of earlier versions; nothing is
// removed when the storage refuses the write (full, or blocked).
EM_JS(int, storeKey, (const char* path, const char* text), {
    const key = UTF8ToString(path);
    try {
        localStorage.setItem(key, UTF8ToString(text));
    } catch (e) {
        return 0;
    }
    try {
        const start = key + String.fromCharCode(92);
        const old = [];
        for (let i = 0; i < localStorage.length; ++i) {
            if (localStorage.key(i).startsWith(start))
                old.push(localStorage.key(i));
        }
        for (let i = 0; i < old.length; ++i)
            localStorage.removeItem(old[i]);
    } catch (e) {
    }
    return 1;
});

}  // namespace

namespace platform::sdl {

std::unique_ptr<SettingsKey> openBrowserSettings(const std::string& keyPath)
{
    char* stored = readStoredKey(keyPath.c_str());
    auto values = BrowserSettingsText::values(keyPath, stored ? std::string(stored) : std::string());
    std::free(stored);
    return FileSettingsKey::withStore(keyPath, std::move(values),
                                      [](const std::string& path, const std::vector<SettingsValue>& all) {
                                          storeKey(path.c_str(), SettingsFile::format(path, all).c_str());
                                      });
}

}  // namespace platform::sdl

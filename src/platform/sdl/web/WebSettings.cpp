#include "platform/sdl/web/WebSettings.h"

#include <emscripten.h>

#include <cstdlib>

#include "platform/sdl/FileSettingsKey.h"

namespace {

// Every stored line whose item name starts with `prefix`, one a line; a string the caller frees.
EM_JS(char*, readStoredLines, (const char* prefix), {
    const start = UTF8ToString(prefix);
    let lines = "";
    try {
        for (let i = 0; i < localStorage.length; ++i) {
            const name = localStorage.key(i);
            if (name.startsWith(start))
                lines += localStorage.getItem(name) + "\n";
        }
    } catch (e) {
    }
    const size = lengthBytesUTF8(lines) + 1;
    const text = _malloc(size);
    stringToUTF8(lines, text, size);
    return text;
});

EM_JS(int, storeLine, (const char* item, const char* line), {
    try {
        localStorage.setItem(UTF8ToString(item), UTF8ToString(line));
        return 1;
    } catch (e) {
        return 0;
    }
});

}  // namespace

namespace platform::sdl {

std::unique_ptr<SettingsKey> openBrowserSettings(const std::string& keyPath)
{
    const std::string prefix = keyPath + "\\";
    char* lines = readStoredLines(prefix.c_str());
    auto values = SettingsFile::parse(lines ? std::string(lines) : std::string());
    std::free(lines);
    return FileSettingsKey::withStore(
        keyPath, std::move(values), [prefix](const std::string& path, const std::vector<SettingsValue>& all) {
            for (const auto& value : all) {
                // The value's own line: the settings text without its header.
                const std::string text = SettingsFile::format(path, {value});
                const std::string line = text.substr(text.find('\n') + 1);
                storeLine((prefix + value.name).c_str(), line.substr(0, line.size() - 1).c_str());
            }
        });
}

}  // namespace platform::sdl

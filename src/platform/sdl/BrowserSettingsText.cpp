#include "platform/sdl/BrowserSettingsText.h"

#include <sstream>

namespace platform::sdl {

std::vector<SettingsValue> BrowserSettingsText::values(const std::string& keyPath, const std::string& stored)
{
    if (stored.empty())
        return {};
    if (stored[0] == 'K') {
        // The whole key, as the desktop's file holds it; another key's text counts as none.
        const std::string header = "[" + keyPath + "]";
        const std::string text = stored.substr(1);
        if (text.compare(0, header.size(), header) != 0 ||
            (text.size() > header.size() && text[header.size()] != '\n' && text[header.size()] != '\r'))
            return {};
        return SettingsFile::parse(text);
    }
    if (stored[0] != 'V')
        return {};
    // Earlier versions kept a value per item: each item must hold one value of its own name.
    std::vector<SettingsValue> values;
    std::istringstream lines(stored.substr(1));
    std::string line;
    while (std::getline(lines, line)) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos)
            continue;
        auto parsed = SettingsFile::parse(line.substr(tab + 1));
        if (parsed.size() == 1 && SettingsFile::sameName(parsed[0].name, line.substr(0, tab)))
            values.push_back(std::move(parsed[0]));
    }
    return values;
}

}  // namespace platform::sdl

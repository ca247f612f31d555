#include "ScreenTestSupport.h"

#include <filesystem>

#include "platform/Settings.h"
#include "platform/sdl/SdlPlatform.h"

namespace screens_test {

void ScreenTest::screenshot(const std::string& name)
{
    const std::filesystem::path folder = std::filesystem::path(KELVARY_OUTPUT_DIR) / "screenshots";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (app().backSurface)
        platform::sdl::saveScreenshot(*app().backSurface, (folder / (name + ".png")).string().c_str());
}

std::string storedText(Application& app, const char* name)
{
    app.openSettings();
    std::string text;
    if (app.settingsKey && app.settingsKey->query(name)) {
        char buffer[1024] = {};
        app.settingsKey->read(name, buffer, sizeof buffer - 1);
        text = buffer;
    }
    app.closeSettings();
    return text;
}

bool storedNumber(Application& app, const char* name, std::uint32_t& value)
{
    app.openSettings();
    bool found = app.settingsKey && app.settingsKey->query(name);
    if (found)
        app.settingsKey->read(name, &value, sizeof value);
    app.closeSettings();
    return found;
}

bool storedValueExists(Application& app, const char* name)
{
    app.openSettings();
    const bool found = app.settingsKey && app.settingsKey->query(name);
    app.closeSettings();
    return found;
}

}  // namespace screens_test

#include "support/StoredValues.h"

#include <filesystem>

#include "app/Application.h"
#include "platform/Settings.h"
#include "platform/sdl/SdlPlatform.h"

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

std::uint32_t storedNumber(Application& app, const char* name)
{
    std::uint32_t value = 0;
    app.openSettings();
    if (app.settingsKey && app.settingsKey->query(name))
        app.settingsKey->read(name, &value, sizeof value);
    app.closeSettings();
    return value;
}

void saveTestScreenshot(Application& app, const std::string& name)
{
    const std::filesystem::path folder = std::filesystem::current_path() / "screenshots";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (app.backSurface)
        platform::sdl::saveScreenshot(*app.backSurface, (folder / (name + ".png")).string().c_str());
}

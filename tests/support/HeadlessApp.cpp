#include "support/HeadlessApp.h"

#include <cstdlib>
#include <string>

#include "platform/sdl/SdlPlatform.h"
#include "ui/Widget.h"

HeadlessApp::HeadlessApp(int bitsPerPixel) : HeadlessApp(bitsPerPixel, makeTemporaryFolder()) { ownsFolder = true; }

HeadlessApp::HeadlessApp(int bitsPerPixel, const std::filesystem::path& settingsFolder) : folder(settingsFolder)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    platform::sdl::Options options;
    options.backSurfaceBits = bitsPerPixel;
    options.settingsFolder = folder.string();
    platformInstance = platform::sdl::createSdlPlatform(options);
    application = new Application(false, 800, 600, 16, 1, 15, 1, 22050, 16, *platformInstance, 1);
    theApp = application;
}

HeadlessApp::~HeadlessApp()
{
    shutDown();
    platformInstance.reset();
    if (ownsFolder) {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }
}

void HeadlessApp::shutDown()
{
    delete rootWidget;
    rootWidget = nullptr;
    delete application;
    application = nullptr;
    theApp = nullptr;
}

std::uint32_t rawPixel(platform::Surface& surface, int x, int y)
{
    platform::LockedPixels locked;
    if (!surface.lock(platform::Rect{x, y, x + 1, y + 1}, locked))
        return 0xDEADBEEF;
    std::uint32_t value = 0;
    for (int i = 0; i < surface.getBitsPerPixel() / 8; ++i)
        value |= static_cast<std::uint32_t>(locked.bits[i]) << (8 * i);
    surface.unlock();
    return value;
}

std::uint32_t HeadlessApp::pixel(int x, int y)
{
    return application && application->backSurface ? rawPixel(*application->backSurface, x, y) : 0;
}

std::uint32_t HeadlessApp::colourAt(int x, int y)
{
    const std::uint32_t raw = pixel(x, y);
    if (application && application->bitsPerPixel == 16)
        return ((raw & 0xF800) << 8) | ((raw & 0x07E0) << 5) | ((raw & 0x001F) << 3);
    return raw & 0x00FFFFFFu;
}

void HeadlessApp::send(platform::MessageKind kind, int value, int x, int y)
{
    if (application)
        application->windowProcedure(platform::Message{kind, value, x, y});
}

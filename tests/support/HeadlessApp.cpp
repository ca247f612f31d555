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

std::uint32_t HeadlessApp::pixel(int x, int y)
{
    platform::Surface* back = application ? application->backSurface : nullptr;
    if (!back)
        return 0;
    platform::LockedPixels locked;
    if (!back->lock(platform::Rect{x, y, x + 1, y + 1}, locked))
        return 0;
    std::uint32_t value = 0;
    const int bytes = back->getBitsPerPixel() / 8;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint32_t>(locked.bits[i]) << (8 * i);
    back->unlock();
    return value;
}

std::uint32_t HeadlessApp::colourAt(int x, int y)
{
    const std::uint32_t raw = pixel(x, y);
    if (application && application->bitsPerPixel == 16) {
        const std::uint32_t red = (raw >> 11) & 0x1F;
        const std::uint32_t green = (raw >> 5) & 0x3F;
        const std::uint32_t blue = raw & 0x1F;
        return (red << 19) | (green << 10) | (blue << 3);
    }
    return raw & 0x00FFFFFFu;
}

void HeadlessApp::send(platform::MessageKind kind, int value, int x, int y)
{
    platform::Message message;
    message.kind = kind;
    message.value = value;
    message.x = x;
    message.y = y;
    if (application)
        application->windowProcedure(message);
}

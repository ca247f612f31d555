#include "VirtualTimePlatform.h"

#include <iostream>

// The real display device, telling the driver about every frame it presents.
class PresentingDisplay : public platform::DisplayDevice {
public:
    PresentingDisplay(VirtualTimePlatform& owner, std::unique_ptr<platform::DisplayDevice> device)
        : driver(owner),
          real(std::move(device))
    {}
    bool createSurfaces() override { return real->createSurfaces(); }
    void releaseSurfaces() override { real->releaseSurfaces(); }
    platform::Surface* getPrimarySurface() override { return real->getPrimarySurface(); }
    platform::Surface* getBackSurface() override { return real->getBackSurface(); }
    bool present() override
    {
        const bool shown = real->present();
        driver.framePresented(real->getBackSurface());
        return shown;
    }
    std::unique_ptr<platform::Surface> createSurface(int width, int height) override
    {
        return real->createSurface(width, height);
    }
    void flipToSystemSurface() override { real->flipToSystemSurface(); }

private:
    VirtualTimePlatform& driver;
    std::unique_ptr<platform::DisplayDevice> real;
};

VirtualTimePlatform::VirtualTimePlatform(std::unique_ptr<platform::Platform> realPlatform, std::int64_t secondsOfDay)
    : inner(std::move(realPlatform)),
      seconds(secondsOfDay)
{}

VirtualTimePlatform::~VirtualTimePlatform() = default;

void VirtualTimePlatform::setMessageHandler(MessageHandler handler) { inner->setMessageHandler(std::move(handler)); }

std::unique_ptr<platform::Window> VirtualTimePlatform::createWindow(const platform::WindowSettings& settings)
{
    return inner->createWindow(settings);
}

std::unique_ptr<platform::DisplayDevice> VirtualTimePlatform::createDisplayDevice(platform::Window& window, int width,
                                                                                  int height, int bitsPerPixel)
{
    auto device = inner->createDisplayDevice(window, width, height, bitsPerPixel);
    if (!device)
        return nullptr;
    return std::make_unique<PresentingDisplay>(*this, std::move(device));
}

std::unique_ptr<platform::SoundDevice> VirtualTimePlatform::createSoundDevice(platform::Window* window,
                                                                              const platform::WaveFormat& primary)
{
    return inner->createSoundDevice(window, primary);
}

std::unique_ptr<platform::SettingsKey> VirtualTimePlatform::openSettings(const char* company, const char* product)
{
    return inner->openSettings(company, product);
}

bool VirtualTimePlatform::peekMessage() { return !queued.empty() || inner->peekMessage(); }

bool VirtualTimePlatform::getMessage(platform::Message& message)
{
    if (!queued.empty()) {
        message = queued.front();
        queued.pop_front();
        return true;
    }
    return inner->getMessage(message);
}

void VirtualTimePlatform::dispatchMessage(const platform::Message& message) { inner->dispatchMessage(message); }

void VirtualTimePlatform::waitMessage(int timeoutMs)
{
    // Time passes only here: the wait ends at once with the clock at its deadline.
    now += static_cast<std::uint32_t>(timeoutMs < 0 ? 66 : timeoutMs);
}

void VirtualTimePlatform::postQuitMessage(int exitCode) { inner->postQuitMessage(exitCode); }

void VirtualTimePlatform::showMessageBox(platform::Window* owner, const char* caption, const char* text,
                                         platform::MessageIcon icon)
{
    inner->showMessageBox(owner, caption, text, icon);
}

// Headless runs never start a browser or a help viewer: the request is only noted.
bool VirtualTimePlatform::openWebPage(platform::Window*, const char* address)
{
    std::cerr << "kelvary-driver: web page " << (address ? address : "(none)") << "\n";
    return address != nullptr;
}

bool VirtualTimePlatform::showHelp(platform::Window*, const char* helpFile)
{
    std::cerr << "kelvary-driver: help " << (helpFile ? helpFile : "(none)") << "\n";
    return helpFile != nullptr;
}

void VirtualTimePlatform::framePresented(platform::Surface* back)
{
    const int frame = presentedFrames++;
    if (onFramePresented)
        onFramePresented(frame, back);
}

#include "support/FakePlatform.h"

#include <algorithm>
#include <cstring>

namespace {

// Takes one from a fault counter: true while the counted failures last.
bool consume(int& failures) { return failures > 0 && failures-- > 0; }

class FakeWindow : public platform::Window {
public:
    FakeWindow(FakePlatform& owner, bool fullScreen) : platformRef(owner), full(fullScreen) {}
    ~FakeWindow() override
    {
        ++platformRef.record.windowsDestroyed;
        platformRef.sendToHandler(platform::Message{platform::MessageKind::Destroy});
    }
    bool isFullScreen() const override { return full; }
    void fitToClient(int, int) override {}

private:
    FakePlatform& platformRef;
    bool full;
};

class FakeSurface : public platform::Surface {
public:
    FakeSurface(FakePlatform& owner, int w, int h)
        : platformRef(owner),
          width(w),
          height(h),
          pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h))
    {}
    int getWidth() const override { return width; }
    int getHeight() const override { return height; }
    int getBitsPerPixel() const override { return 32; }
    void setColourKey(std::uint32_t, std::uint32_t) override {}
    bool blit(platform::Surface&, const platform::Rect&, int, int, bool) override { return !lost; }
    bool fill(const platform::Rect&, std::uint32_t) override { return !lost; }
    bool lock(const platform::Rect& area, platform::LockedPixels& out) override
    {
        if (lost || area.left < 0 || area.top < 0 || area.right > width || area.bottom > height)
            return false;
        out.bits = reinterpret_cast<std::uint8_t*>(pixels.data() + area.top * width + area.left);
        out.pitch = width * 4;
        return true;
    }
    bool unlock() override { return true; }
    bool loadPicture(const char*) override { return !lost; }
    bool isLost() const override { return lost; }
    bool restore() override
    {
        ++platformRef.record.restores;
        if (consume(platformRef.faults.failRestores))
            return false;
        lost = false;
        return true;
    }
    platform::DrawContext* getDrawContext() override { return nullptr; }
    void releaseDrawContext() override {}

    bool lost = false;

private:
    FakePlatform& platformRef;
    int width;
    int height;
    std::vector<std::uint32_t> pixels;
};

class FakeDisplay : public platform::DisplayDevice {
public:
    explicit FakeDisplay(FakePlatform& owner) : platformRef(owner) {}
    bool createSurfaces() override
    {
        if (platformRef.faults.displaySurfaces || consume(platformRef.faults.failSurfaceCreations))
            return false;
        primary = std::make_unique<FakeSurface>(platformRef, 800, 600);
        back = std::make_unique<FakeSurface>(platformRef, 800, 600);
        return true;
    }
    void releaseSurfaces() override
    {
        back.reset();
        primary.reset();
    }
    platform::Surface* getPrimarySurface() override { return primary.get(); }
    platform::Surface* getBackSurface() override { return back.get(); }
    bool present() override
    {
        platformRef.record.presentTimes.push_back(platformRef.now);
        const bool ok = !consume(platformRef.faults.failPresents);
        if (platformRef.onPresent)
            platformRef.onPresent(static_cast<int>(platformRef.record.presentTimes.size()));
        return ok;
    }
    std::unique_ptr<platform::Surface> createSurface(int width, int height) override
    {
        return std::make_unique<FakeSurface>(platformRef, width, height);
    }
    void flipToSystemSurface() override {}

private:
    FakePlatform& platformRef;
    std::unique_ptr<FakeSurface> primary;
    std::unique_ptr<FakeSurface> back;
};

class FakeSoundDevice : public platform::SoundDevice {
public:
    explicit FakeSoundDevice(FakePlatform& owner) : platformRef(owner) {}
    std::unique_ptr<platform::SoundBuffer> createBuffer(const platform::WaveFormat&, std::uint32_t, bool) override
    {
        return nullptr;
    }
    bool followWindow(platform::Window* window) override
    {
        platformRef.record.soundWindows.push_back(window);
        return true;
    }

private:
    FakePlatform& platformRef;
};

class FakeSettings : public platform::SettingsKey {
public:
    explicit FakeSettings(std::map<std::string, std::vector<std::uint8_t>>& store) : values(store) {}
    bool query(const char* name) override { return values.count(name) != 0; }
    // The fake keeps bytes only.
    std::optional<platform::ValueType> typeOf(const char* name) override
    {
        return query(name) ? std::optional(platform::ValueType::Bytes) : std::nullopt;
    }
    bool read(const char* name, void* data, std::uint32_t size) override
    {
        auto found = values.find(name);
        if (found == values.end())
            return false;
        std::memcpy(data, found->second.data(), std::min<std::size_t>(size, found->second.size()));
        return found->second.size() <= size;
    }
    bool write(const char* name, platform::ValueType, const void* data, std::uint32_t size) override
    {
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        values[name].assign(bytes, bytes + size);
        return true;
    }

private:
    std::map<std::string, std::vector<std::uint8_t>>& values;
};

}  // namespace

std::unique_ptr<platform::Window> FakePlatform::createWindow(const platform::WindowSettings& windowSettings)
{
    if (faults.window)
        return nullptr;
    record.lastWindowFullScreen = windowSettings.fullScreen;
    record.lastShowCommand = windowSettings.showCommand;
    return std::make_unique<FakeWindow>(*this, windowSettings.fullScreen);
}

std::unique_ptr<platform::DisplayDevice> FakePlatform::createDisplayDevice(platform::Window&, int, int, int)
{
    return faults.displayDevice ? nullptr : std::make_unique<FakeDisplay>(*this);
}

std::unique_ptr<platform::SoundDevice> FakePlatform::createSoundDevice(platform::Window* window,
                                                                       const platform::WaveFormat&)
{
    if (faults.soundDevice)
        return nullptr;
    record.soundWindows.push_back(window);
    return std::make_unique<FakeSoundDevice>(*this);
}

std::unique_ptr<platform::SettingsKey> FakePlatform::openSettings(const char*, const char*)
{
    return std::make_unique<FakeSettings>(settings);
}

bool FakePlatform::peekMessage()
{
    if (messages.empty() && !quitPosted && onIdle)
        onIdle();
    return !messages.empty() || quitPosted;
}

bool FakePlatform::getMessage(platform::Message& message)
{
    if (!messages.empty()) {
        message = messages.front();
        messages.pop_front();
        return true;
    }
    message = platform::Message{platform::MessageKind::Quit, quitCode};
    quitPosted = false;
    return false;
}

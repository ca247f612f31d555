#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

#include "platform/Platform.h"

// Runs the game on a real platform with a clock of its own: waiting for the next frame
// moves the clock instead of sleeping, so every frame starts exactly one frame period after
// the last, and the time of day is fixed.  Messages the driver queues come first.
class VirtualTimePlatform : public platform::Platform {
public:
    VirtualTimePlatform(std::unique_ptr<platform::Platform> inner, std::int64_t secondsOfDay);
    ~VirtualTimePlatform() override;

    // Called after every presented frame with its number (0 for the first).
    std::function<void(int frame, platform::Surface* back)> onFramePresented;

    void post(const platform::Message& message) { queued.push_back(message); }
    platform::Platform& real() { return *inner; }

    void setMessageHandler(MessageHandler handler) override;
    std::unique_ptr<platform::Window> createWindow(const platform::WindowSettings& settings) override;
    std::unique_ptr<platform::DisplayDevice> createDisplayDevice(platform::Window& window, int width, int height,
                                                                 int bitsPerPixel) override;
    std::unique_ptr<platform::SoundDevice> createSoundDevice(platform::Window* window,
                                                             const platform::WaveFormat& primary) override;
    std::unique_ptr<platform::SettingsKey> openSettings(const char* company, const char* product) override;
    bool peekMessage() override;
    bool getMessage(platform::Message& message) override;
    void dispatchMessage(const platform::Message& message) override;
    void waitMessage(int timeoutMs) override;
    void postQuitMessage(int exitCode) override;
    std::uint32_t getMilliseconds() override { return now; }
    std::int64_t getSecondsOfDay() override { return seconds; }
    void showMessageBox(platform::Window* owner, const char* caption, const char* text,
                        platform::MessageIcon icon) override;
    bool openWebPage(platform::Window* owner, const char* address) override;
    bool showHelp(platform::Window* owner, const char* helpFile) override;
    std::filesystem::path getProgramFolder() override { return inner->getProgramFolder(); }

private:
    friend class PresentingDisplay;
    void framePresented(platform::Surface* back);

    std::unique_ptr<platform::Platform> inner;
    std::deque<platform::Message> queued;
    std::uint32_t now = 0;
    std::int64_t seconds;
    int presentedFrames = 0;
};

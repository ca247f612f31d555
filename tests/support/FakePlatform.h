#pragma once

// A platform double for the application's own logic: an in-memory display, a clock that
// only moves when the loop waits (or when a test moves it), a message queue the test fills,
// in-memory settings, and switches that make any step fail.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"

class FakePlatform : public platform::Platform {
public:
    struct Faults {
        bool window = false;
        bool displayDevice = false;
        bool displaySurfaces = false;
        bool soundDevice = false;
        int failPresents = 0;          // the next N presents fail
        int failRestores = 0;          // the next N surface restores fail
        int failSurfaceCreations = 0;  // the next N display-surface creations fail
    };

    struct Record {
        int windowsDestroyed = 0;
        int restores = 0;
        std::vector<std::uint32_t> presentTimes;  // clock reading at each present
        std::vector<std::string> messageBoxes;    // "caption|text"
        std::vector<int> waits;                   // timeouts the loop waited with
        bool lastWindowFullScreen = false;
        int lastShowCommand = 0;
        std::vector<platform::Window*> soundWindows;  // the sound device's window at creation and each follow
    };

    Faults faults;
    Record record;
    std::uint32_t now = 1000;
    std::int64_t secondsOfDay = 12345;
    int startShowCommand = 1;
    std::map<std::string, std::vector<std::uint8_t>> settings;
    // Called with the number of presents so far after each present (tests queue input there).
    std::function<void(int presents)> onPresent;
    // Called when the loop waits with no message queued; may queue messages.
    std::function<void()> onIdle;

    void queue(const platform::Message& message) { messages.push_back(message); }
    void queue(platform::MessageKind kind, int value = 0, int x = 0, int y = 0) { queue({kind, value, x, y}); }

    void setMessageHandler(MessageHandler handler) override { messageHandler = std::move(handler); }
    std::unique_ptr<platform::Window> createWindow(const platform::WindowSettings& windowSettings) override;
    std::unique_ptr<platform::DisplayDevice> createDisplayDevice(platform::Window& window, int width, int height,
                                                                 int bitsPerPixel) override;
    std::unique_ptr<platform::SoundDevice> createSoundDevice(platform::Window* window,
                                                             const platform::WaveFormat& primary) override;
    std::unique_ptr<platform::SettingsKey> openSettings(const char* company, const char* product) override;
    bool peekMessage() override;
    bool getMessage(platform::Message& message) override;
    void dispatchMessage(const platform::Message& message) override { sendToHandler(message); }
    void waitMessage(int timeoutMs) override
    {
        record.waits.push_back(timeoutMs);
        now += static_cast<std::uint32_t>(timeoutMs < 0 ? 1000 : timeoutMs);  // waiting is where time passes
        // A game that never ends (a close ignored, say) ends the test's run after ten minutes
        // of this clock, with a code no game gives.
        if (now >= runLimitMs && !quitPosted)
            postQuitMessage(runLimitExitCode);
    }
    static constexpr std::uint32_t runLimitMs = 600000;
    static constexpr int runLimitExitCode = 99;
    void postQuitMessage(int exitCode) override
    {
        quitPosted = true;
        quitCode = exitCode;
    }
    int getStartShowCommand() override { return startShowCommand; }
    std::uint32_t getMilliseconds() override { return now; }
    std::int64_t getSecondsOfDay() override { return secondsOfDay; }
    void showMessageBox(platform::Window*, const char* caption, const char* text, platform::MessageIcon) override
    {
        record.messageBoxes.push_back(std::string(caption) + "|" + text);
    }
    bool openWebPage(platform::Window*, const char*) override { return true; }
    bool showHelp(platform::Window*, const char*) override { return true; }

    void sendToHandler(const platform::Message& message)
    {
        if (messageHandler)
            messageHandler(message);
    }

private:
    MessageHandler messageHandler;
    std::deque<platform::Message> messages;
    bool quitPosted = false;
    int quitCode = 0;
};

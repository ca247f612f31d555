#pragma once

// The game's platform on Windows: window, DirectDraw display, DirectSound, the registry,
// the message loop, the multimedia clock and the shell.

#include <windows.h>

#include <memory>

#include "platform/Platform.h"

namespace platform::win32 {

class Win32System final : public Platform {
public:
    Win32System();
    ~Win32System() override;
    Win32System(const Win32System&) = delete;
    Win32System& operator=(const Win32System&) = delete;

    void setMessageHandler(MessageHandler handler) override;
    std::unique_ptr<Window> createWindow(const WindowSettings& settings) override;
    std::unique_ptr<DisplayDevice> createDisplayDevice(Window& window, int width, int height,
                                                       int bitsPerPixel) override;
    std::unique_ptr<SoundDevice> createSoundDevice(Window* window, const WaveFormat& primary) override;
    std::unique_ptr<SettingsKey> openSettings(const char* company, const char* product) override;

    bool peekMessage() override;
    bool getMessage(Message& message) override;
    void dispatchMessage(const Message& message) override;
    void waitMessage(int timeoutMs) override;
    void postQuitMessage(int exitCode) override;
    int getStartShowCommand() override;

    void beginTimerPeriod() override;
    void endTimerPeriod() override;
    std::uint32_t getMilliseconds() override;
    std::int64_t getSecondsOfDay() override;

    void showMessageBox(Window* owner, const char* caption, const char* text, MessageIcon icon) override;
    bool openWebPage(Window* owner, const char* address) override;
    bool showHelp(Window* owner, const char* helpFile) override;
    std::filesystem::path getProgramFolder() override;

private:
    // Windows hold a weak reference: one that outlives the platform sends its messages nowhere.
    std::shared_ptr<MessageHandler> handler = std::make_shared<MessageHandler>();
    MSG taken{};  // the message getMessage took, until it is dispatched
    bool hasTaken = false;
    bool timerRaised = false;
    HMODULE helpControl = nullptr;  // the HTML Help control, loaded on first use
};

}  // namespace platform::win32

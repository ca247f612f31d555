#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/Display.h"
#include "platform/Message.h"
#include "platform/Settings.h"
#include "platform/Sound.h"

namespace platform {

struct WindowSettings {
    bool fullScreen = false;
    int clientWidth = 800;
    int clientHeight = 600;
    // A framed window shows its client area at this whole multiple (1 to 4) where the layer
    // can scale; 0 takes the largest multiple that fits the desktop.
    int windowScale = 0;
    // How the window first shows (the Windows show commands: 1 normal, 2 or 7 minimised, ...).
    int showCommand = 1;
    const char* className = "kelvary";
    const char* title = "harrowdine Kelvary";
};

enum class MessageIcon {
    Error,
    Information
};

// The operating system's services for the game: window, display, sound, settings, clock,
// messages and the shell.  One implementation per build (src/platform/<name>/).
class Platform {
public:
    using MessageHandler = std::function<void(const Message&)>;

    virtual ~Platform() = default;

    // The window procedure: every dispatched message, and those a window call sends directly.
    virtual void setMessageHandler(MessageHandler handler) = 0;

    virtual std::unique_ptr<Window> createWindow(const WindowSettings& settings) = 0;
    // Display device for the window: in full screen it sets width x height at `bitsPerPixel`.
    virtual std::unique_ptr<DisplayDevice> createDisplayDevice(Window& window, int width, int height,
                                                               int bitsPerPixel) = 0;
    virtual std::unique_ptr<SoundDevice> createSoundDevice(Window* window, const WaveFormat& primary) = 0;

    // The settings key "Software\<company>\<product>" of the current user; null if it cannot
    // be opened or created.  Closing is destroying it (which stores what was written).
    virtual std::unique_ptr<SettingsKey> openSettings(const char* company, const char* product) = 0;

    // Message loop.
    virtual bool peekMessage() = 0;                 // a message is waiting
    virtual bool getMessage(Message& message) = 0;  // takes one, waiting if needed; false on Quit
    virtual void dispatchMessage(const Message& message) = 0;
    virtual void waitMessage(int timeoutMs) = 0;  // until a message arrives or the time passes (-1: no limit)
    virtual void postQuitMessage(int exitCode) = 0;

    // How the program was asked to show its window when it was started (a show command).
    virtual int getStartShowCommand() { return 1; }

    // Clock.
    virtual void beginTimerPeriod() {}
    virtual void endTimerPeriod() {}
    virtual std::uint32_t getMilliseconds() = 0;  // wraps around after 49 days
    virtual std::int64_t getSecondsOfDay() = 0;   // current time in seconds, seeds each new game

    // Shell.
    virtual void showMessageBox(Window* owner, const char* caption, const char* text, MessageIcon icon) = 0;
    virtual bool openWebPage(Window* owner, const char* address) = 0;
    virtual bool showHelp(Window* owner, const char* helpFile) = 0;

    // A round in progress, kept where the program may be ended without warning (a browser
    // tab the system discards): the game hands over its record as it goes, an empty text
    // once the round is over.  Systems that end programs only in order keep nothing.
    virtual bool keepsRounds() { return false; }
    virtual void keepRound(const std::string& /*record*/) {}
    // The record kept by an earlier run whose round was not over; empty if none.
    virtual std::string getKeptRound() { return {}; }

    // The folder that holds the running program; empty where the system cannot tell.
    virtual std::filesystem::path getProgramFolder() { return {}; }

    // A name is being typed (true) or no longer is: where the system types with a keyboard
    // of its own on the screen (a phone's), it is shown for that time.
    virtual void showTextEntry(bool) {}
};

// The platform of this build.
std::unique_ptr<Platform> createPlatform();

}  // namespace platform

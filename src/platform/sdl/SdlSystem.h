#pragma once

// The game's platform on SDL2: window, display, messages, clock, settings and shell.

#include <SDL.h>

#include <deque>
#include <memory>
#include <string>
#include <utility>

#include "platform/Platform.h"
#include "platform/sdl/EventTranslator.h"
#include "platform/sdl/SdlPlatform.h"

namespace platform::sdl {

class SdlWindow;

class SdlSystem final : public Platform {
public:
    // Starts SDL's video, events and timer; a failure shows up as a window that cannot be
    // created.
    explicit SdlSystem(const Options& options);
    // Shuts SDL down, after everything made from it is gone.
    ~SdlSystem() override;
    SdlSystem(const SdlSystem&) = delete;
    SdlSystem& operator=(const SdlSystem&) = delete;

    void setMessageHandler(MessageHandler handler) override { messageHandler = std::move(handler); }
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

    std::uint32_t getMilliseconds() override;
    std::int64_t getSecondsOfDay() override;

    void showMessageBox(Window* owner, const char* caption, const char* text, MessageIcon icon) override;
    bool openWebPage(Window* owner, const char* address) override;
    bool showHelp(Window* owner, const char* helpFile) override;
    std::filesystem::path getProgramFolder() override;
    bool keepsRounds() override;
    void keepRound(const std::string& record) override;
    std::string getKeptRound() override;
    void showTextEntry(bool shown) override;

    // Test and driver hooks (see SdlPlatform.h).
    void post(const Message& message) { queue.push_back(message); }
    // The messages `event` stands for, as if the window had sent it, without queueing them.
    std::deque<Message> feed(const SDL_Event& event)
    {
        std::deque<Message> made;
        translate(event, made);
        return made;
    }
    std::pair<int, int> windowSize() const;
    void interruptNextSave() { interruptSave = true; }
    const std::string& lastAddress() const { return openedAddress; }
    bool isTextEntryShown() const { return textEntryShown; }

private:
    void translate(const SDL_Event& event) { translate(event, queue); }
    void translate(const SDL_Event& event, std::deque<Message>& into);
    void pollEvents();
    bool isHeadless() const;
    bool openAddress(const std::string& address);
    std::string settingsFolder();

    Options options;
    bool started;
    MessageHandler messageHandler;
    bool padsStarted = false;
    std::unique_ptr<EventTranslator> translator = std::make_unique<EventTranslator>();
    std::deque<Message> queue;
    std::uint32_t currentWindowId = 0;
    SdlWindow* currentWindow = nullptr;  // maps pointer positions onto the picture
    bool interruptSave = false;
    bool textEntryShown = false;
    std::string openedAddress;
#ifdef __EMSCRIPTEN__
    std::uint32_t lastSoundTime = 0;  // when a sound last played, so the browser's audio can rest
#endif
    std::shared_ptr<int> alive = std::make_shared<int>(0);  // windows hold a weak reference
};

}  // namespace platform::sdl

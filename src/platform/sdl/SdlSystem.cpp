#include "platform/sdl/SdlSystem.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <utility>

#include "platform/sdl/FileSettingsKey.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlDisplayDevice.h"
#include "platform/sdl/SdlWindow.h"
#ifdef __EMSCRIPTEN__
#include <SDL_mixer.h>

#include "platform/sdl/web/WebPage.h"
#include "platform/sdl/web/WebSettings.h"
#include "platform/sdl/web/WebTextEntry.h"
#endif

namespace platform::sdl {

namespace {

constexpr Uint32 subsystems = SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER;

bool endsWithIgnoringCase(const std::string& text, const std::string& ending)
{
    if (text.size() < ending.size())
        return false;
    for (size_t i = 0; i < ending.size(); ++i) {
        const char a = text[text.size() - ending.size() + i];
        const char lower = a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a;
        if (lower != ending[i])
            return false;
    }
    return true;
}

// The system ends the program now (a browser page going away): the game hears it at once, as
// no frame will follow to take it from the queue.
int SDLCALL watchForTermination(void* system, SDL_Event* event)
{
    if (event->type == SDL_APP_TERMINATING)
        static_cast<SdlSystem*>(system)->dispatchMessage(Message{MessageKind::EndSession, 0, 0, 0});
    return 1;
}

#ifndef __EMSCRIPTEN__
// A file:// address for an absolute path, with every byte outside the safe set escaped.
std::string fileAddress(const std::filesystem::path& path)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string address = "file://";
    for (unsigned char c : path.string()) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' || c == '-' ||
            c == '.' || c == '_' || c == '~') {
            address += static_cast<char>(c);
        } else {
            address += '%';
            address += hex[c >> 4];
            address += hex[c & 15];
        }
    }
    return address;
}
#endif

}  // namespace

SdlSystem::SdlSystem(const Options& o) : options(o)
{
    // Closing the window is the game's own business (a Close message); SDL's quit event is
    // left to termination requests.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // A window's own surface is plain memory shown by the display server; SDL would
    // otherwise put an OpenGL texture behind it, which costs far more where OpenGL is drawn
    // on the processor.  The presentation path decides when a renderer is worth it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
#ifdef __EMSCRIPTEN__
    translator->pauseWhenHidden(true);
#endif
    // Fingers are read as fingers (a touch is not also a click), and the mouse makes no
    // fingers.
    SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "0");
    SDL_SetHint(SDL_HINT_MOUSE_TOUCH_EVENTS, "0");
    started = SDL_InitSubSystem(subsystems) == 0;
    if (!started) {
        std::fprintf(stderr, "SDL could not start: %s\n", SDL_GetError());
    } else {
        SDL_AddEventWatch(watchForTermination, this);
        // Game controllers are welcome but not needed: the game plays on without them.
        padsStarted = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    }
}

SdlSystem::~SdlSystem()
{
    if (started) {
        SDL_DelEventWatch(watchForTermination, this);
        translator.reset();  // the controllers it opened close before their subsystem
        if (padsStarted)
            SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
        SDL_QuitSubSystem(subsystems);
    }
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
        SDL_Quit();
}

std::unique_ptr<Window> SdlSystem::createWindow(const WindowSettings& settings)
{
    if (!started)
        return nullptr;
    // A window kept past the platform's end sends its Destroy nowhere.
    auto window = SdlWindow::create(settings, [this, token = std::weak_ptr<int>(alive)](SdlWindow& gone) {
        if (token.expired())
            return;
        if (currentWindowId == gone.id()) {
            currentWindowId = 0;
            currentWindow = nullptr;
        }
        if (messageHandler)
            messageHandler(Message{MessageKind::Destroy, 0, 0, 0});
    });
    if (window) {
        currentWindowId = window->id();
        currentWindow = window.get();
    }
    return window;
}

std::unique_ptr<DisplayDevice> SdlSystem::createDisplayDevice(Window& window, int width, int height, int)
{
    // The desktop's mode is never changed, so the depth asked for a full-screen mode plays
    // no part: the surfaces take the layer's configured depth.
    auto* sdlWindow = dynamic_cast<SdlWindow*>(&window);
    if (!sdlWindow)
        return nullptr;
    return SdlDisplayDevice::create(*sdlWindow, width, height, options.backSurfaceBits, options.showOnlyChangedFrames);
}

std::unique_ptr<SoundDevice> SdlSystem::createSoundDevice(Window*, const WaveFormat& primary)
{
    return sdl::createSoundDevice(primary);
}

std::string SdlSystem::settingsFolder()
{
    if (!options.settingsFolder.empty())
        return options.settingsFolder;
    char* folder = SDL_GetPrefPath("harrowdine", "Kelvary");
    if (!folder)
        return {};
    std::string result = folder;
    SDL_free(folder);
    return result;
}

std::unique_ptr<SettingsKey> SdlSystem::openSettings(const char* company, const char* product)
{
    const std::string keyPath = std::string("Software\\") + (company ? company : "") + "\\" + (product ? product : "");
#ifdef __EMSCRIPTEN__
    // In the browser the player's own settings live in its storage; a named folder (the
    // headless driver's) stays a file.
    if (options.settingsFolder.empty())
        return openBrowserSettings(keyPath);
#endif
    return FileSettingsKey::open(settingsFolder(), keyPath, std::exchange(interruptSave, false));
}

std::pair<int, int> SdlSystem::windowSize() const
{
    int width = 0;
    int height = 0;
    if (currentWindow)
        SDL_GetWindowSize(currentWindow->handle(), &width, &height);
    return {width, height};
}

void SdlSystem::translate(const SDL_Event& event, std::deque<Message>& into)
{
    // A finger's place arrives as a fraction of the window and reaches the game on its picture.
    if (event.type == SDL_FINGERDOWN || event.type == SDL_FINGERMOTION || event.type == SDL_FINGERUP) {
        if (!currentWindow)
            return;
        const auto [width, height] = windowSize();
        int x = static_cast<int>(event.tfinger.x * static_cast<float>(width));
        int y = static_cast<int>(event.tfinger.y * static_cast<float>(height));
        currentWindow->toPicture(x, y);
        translator->translateFinger(event.tfinger, x, y, into);
        return;
    }
    // Pointer positions arrive in window pixels and reach the game on its picture.
    SDL_Event mapped = event;
    if (currentWindow) {
        if (event.type == SDL_MOUSEMOTION && event.motion.windowID == currentWindowId)
            currentWindow->toPicture(mapped.motion.x, mapped.motion.y);
        else if (event.type == SDL_MOUSEBUTTONDOWN && event.button.windowID == currentWindowId)
            currentWindow->toPicture(mapped.button.x, mapped.button.y);
    }
    translator->translate(mapped, currentWindowId, into);
}

void SdlSystem::pollEvents()
{
    if (!started)
        return;
    SDL_Event event;
    while (SDL_PollEvent(&event))
        translate(event);
#ifdef __EMSCRIPTEN__
    if (web::takeFullScreenLeft())
        queue.push_back(Message{MessageKind::FullScreenLeft, 0, 0, 0});
#endif
}

bool SdlSystem::peekMessage()
{
    pollEvents();
    return !queue.empty();
}

bool SdlSystem::getMessage(Message& message)
{
    pollEvents();
    while (queue.empty()) {
        SDL_Event event;
        if (!started || !SDL_WaitEvent(&event)) {
            // Nothing can ever arrive: end the loop rather than wait forever.
            message = Message{MessageKind::Quit, 1, 0, 0};
            return false;
        }
        translate(event);
    }
    message = queue.front();
    queue.pop_front();
    return message.kind != MessageKind::Quit;
}

void SdlSystem::dispatchMessage(const Message& message)
{
    if (messageHandler)
        messageHandler(message);
}

void SdlSystem::waitMessage(int timeoutMs)
{
    if (peekMessage())
        return;
#ifdef __EMSCRIPTEN__
    // SDL's wait polls every millisecond here, each poll a pause and resume of the whole
    // program: the page sleeps the whole time instead and takes what arrived when it wakes,
    // so it wakes only for the frames.  A paused game looks again every so often.
    constexpr int pausedLookMs = 250;
    // A second of silence lets the browser's audio rest; the next sound wakes it.
    constexpr Uint32 silenceBeforeRestMs = 1000;
    if (Mix_Playing(-1) > 0)
        lastSoundTime = SDL_GetTicks();
    else if (SDL_GetTicks() - lastSoundTime >= silenceBeforeRestMs)
        web::restAudio();
    if (timeoutMs < 0) {
        do
            web::sleepFor(pausedLookMs);
        while (!peekMessage());
    } else {
        web::sleepFor(timeoutMs);
    }
    return;
#endif
    if (!started) {
        if (timeoutMs > 0)
            SDL_Delay(static_cast<Uint32>(timeoutMs));
        return;
    }
    // Sleep in SDL until an event gives a message or the time is up; events that mean
    // nothing to the game do not end the wait early.
    const Uint32 start = SDL_GetTicks();
    while (queue.empty()) {
        SDL_Event event;
        int got;
        if (timeoutMs < 0) {
            got = SDL_WaitEvent(&event);
            if (!got)
                return;
        } else {
            const Uint32 waited = SDL_GetTicks() - start;
            if (waited >= static_cast<Uint32>(timeoutMs))
                return;
            got = SDL_WaitEventTimeout(&event, timeoutMs - static_cast<int>(waited));
        }
        if (got) {
            translate(event);
            pollEvents();
        }
    }
}

void SdlSystem::postQuitMessage(int exitCode) { queue.push_back(Message{MessageKind::Quit, exitCode, 0, 0}); }

std::uint32_t SdlSystem::getMilliseconds() { return SDL_GetTicks(); }

std::int64_t SdlSystem::getSecondsOfDay() { return static_cast<std::int64_t>(std::time(nullptr)); }

bool SdlSystem::isHeadless() const
{
    const char* driver = started ? SDL_GetCurrentVideoDriver() : nullptr;
    return !driver || std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0;
}

void SdlSystem::showMessageBox(Window* owner, const char* caption, const char* text, MessageIcon icon)
{
    caption = caption ? caption : "";
    text = text ? text : "";
    if (!isHeadless()) {
        auto* window = dynamic_cast<SdlWindow*>(owner);
        const Uint32 flags = icon == MessageIcon::Error ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
        if (SDL_ShowSimpleMessageBox(flags, caption, text, window ? window->handle() : nullptr) == 0)
            return;
    }
    // No display to show it on: the text goes to standard error so a headless run never blocks.
    std::fprintf(stderr, "%s: %s\n", caption, text);
}

bool SdlSystem::openAddress(const std::string& address)
{
    openedAddress = address;
    if (isHeadless())
        return true;  // nothing to launch into; the address is recorded
    return SDL_OpenURL(address.c_str()) == 0;
}

bool SdlSystem::openWebPage(Window*, const char* address)
{
    if (!address || !*address)
        return false;
    return openAddress(address);
}

std::filesystem::path SdlSystem::getProgramFolder()
{
    char* folder = SDL_GetBasePath();
    if (!folder)
        return {};
    // SDL ends the folder with a separator; the folder's own name has none.
    std::filesystem::path result = std::filesystem::path(folder).parent_path();
    SDL_free(folder);
    return result;
}

bool SdlSystem::keepsRounds()
{
#ifdef __EMSCRIPTEN__
    // The player's page, which the browser may discard; the headless driver keeps none.
    return options.settingsFolder.empty();
#else
    return false;
#endif
}

void SdlSystem::keepRound([[maybe_unused]] const std::string& record)
{
#ifdef __EMSCRIPTEN__
    if (keepsRounds())
        web::storeKeptRound(record);
#endif
}

std::string SdlSystem::getKeptRound()
{
#ifdef __EMSCRIPTEN__
    if (keepsRounds())
        return web::readKeptRound();
#endif
    return {};
}

// On the desktop SDL delivers typed text all the time; the browser's page shows the phone's
// keyboard on request and types into the game through SDL's own events.
void SdlSystem::showTextEntry(bool shown)
{
    textEntryShown = shown;
#ifdef __EMSCRIPTEN__
    showPageTextEntry(shown);
#endif
}

bool SdlSystem::showHelp(Window*, const char* helpFile)
{
    if (!helpFile || !*helpFile)
        return false;
    // There is no viewer for the compiled help here; its pages are shipped as HTML instead.
    namespace fs = std::filesystem;
    const fs::path file = endsWithIgnoringCase(helpFile, ".chm") ? fs::path("help") / "index.html" : fs::path(helpFile);
#ifdef __EMSCRIPTEN__
    // The help pages are files of the site beside the game's page: a new tab opens them there.
    return openAddress(file.generic_string());
#else
    std::error_code error;
    if (!fs::is_regular_file(file, error))
        return false;
    const fs::path absolute = fs::absolute(file, error);
    if (error)
        return false;
    return openAddress(fileAddress(absolute.lexically_normal()));
#endif
}

}  // namespace platform::sdl

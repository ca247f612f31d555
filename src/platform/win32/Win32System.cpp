#include "platform/win32/Win32System.h"

#include <mmsystem.h>
#include <shellapi.h>

#include <ctime>
#include <string>

#include "platform/win32/DirectDrawDevice.h"
#include "platform/win32/DirectSoundDevice.h"
#include "platform/win32/RegistrySettingsKey.h"
#include "platform/win32/Win32Window.h"

namespace platform::win32 {

namespace {

HWND handleOf(Window* window)
{
    auto* own = dynamic_cast<Win32Window*>(window);
    return own ? own->handle() : nullptr;
}

// The game's texts are UTF-8; shown through the wide functions, a folder's name keeps every
// letter whatever the system's code page.  Bytes that are no UTF-8 show as replacement marks.
std::wstring wideText(const char* text)
{
    if (!text || !*text)
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    if (length <= 1)
        return {};
    std::wstring result(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, result.data(), length);
    result.resize(static_cast<size_t>(length - 1));
    return result;
}

// HtmlHelpA's shape and its command that opens the table of contents.
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
constexpr UINT displayTableOfContents = 0x0001;  // HH_DISPLAY_TOC

}  // namespace

Win32System::Win32System() = default;

Win32System::~Win32System()
{
    *handler = nullptr;
    if (helpControl)
        FreeLibrary(helpControl);
}

void Win32System::setMessageHandler(MessageHandler h) { *handler = std::move(h); }

std::unique_ptr<Window> Win32System::createWindow(const WindowSettings& settings)
{
    return Win32Window::create(settings, handler);
}

std::unique_ptr<DisplayDevice> Win32System::createDisplayDevice(Window& window, int width, int height, int bitsPerPixel)
{
    auto* own = dynamic_cast<Win32Window*>(&window);
    if (!own)
        return nullptr;
    return DirectDrawDevice::create(own->handle(), own->isFullScreen(), width, height, bitsPerPixel);
}

std::unique_ptr<SoundDevice> Win32System::createSoundDevice(Window* window, const WaveFormat& primary)
{
    return DirectSoundDevice::create(handleOf(window), primary);
}

std::unique_ptr<SettingsKey> Win32System::openSettings(const char* company, const char* product)
{
    return RegistrySettingsKey::open(company, product);
}

bool Win32System::peekMessage()
{
    MSG message;
    return hasTaken || PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
}

bool Win32System::getMessage(Message& message)
{
    if (!hasTaken) {
        const BOOL got = GetMessageA(&taken, nullptr, 0, 0);
        if (got == -1) {
            // The queue itself failed: nothing can ever arrive, so the loop ends.
            message = Message{MessageKind::Quit, 1, 0, 0};
            return false;
        }
        hasTaken = true;
        if (got == 0) {
            hasTaken = false;
            message = Message{MessageKind::Quit, static_cast<int>(taken.wParam), 0, 0};
            return false;
        }
    }
    // The message itself travels to the window procedure when it is dispatched; what the
    // caller sees here only says that it is not the quit message.
    message = Message{MessageKind::Size, 0, 0, 0};
    return true;
}

void Win32System::dispatchMessage(const Message& message)
{
    if (hasTaken) {
        hasTaken = false;
        TranslateMessage(&taken);
        DispatchMessageA(&taken);
        return;
    }
    // A message that never went through the queue goes straight to the game.
    if (*handler)
        (*handler)(message);
}

void Win32System::waitMessage(int timeoutMs)
{
    if (peekMessage())
        return;
    const DWORD timeout = timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, timeout, QS_ALLINPUT);
}

void Win32System::postQuitMessage(int exitCode) { PostQuitMessage(exitCode); }

int Win32System::getStartShowCommand()
{
    // What WinMain would have been handed: the starter's wish, else the default.
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
}

void Win32System::beginTimerPeriod()
{
    if (!timerRaised)
        timerRaised = timeBeginPeriod(1) == TIMERR_NOERROR;
}

void Win32System::endTimerPeriod()
{
    if (timerRaised)
        timeEndPeriod(1);
    timerRaised = false;
}

std::uint32_t Win32System::getMilliseconds() { return timeGetTime(); }

std::int64_t Win32System::getSecondsOfDay() { return static_cast<std::int64_t>(std::time(nullptr)); }

void Win32System::showMessageBox(Window* owner, const char* caption, const char* text, MessageIcon icon)
{
    const UINT style = MB_OK | (icon == MessageIcon::Error ? MB_ICONERROR : MB_ICONINFORMATION);
    MessageBoxW(handleOf(owner), wideText(text).c_str(), wideText(caption).c_str(), style);
}

bool Win32System::openWebPage(Window* owner, const char* address)
{
    if (!address || !*address)
        return false;
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(handleOf(owner), "open", address, nullptr, nullptr, SW_SHOW));
    return result > 32;
}

std::filesystem::path Win32System::getProgramFolder()
{
    // Long paths need a larger buffer than MAX_PATH; a full buffer means the name was cut.
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            return {};
        if (length < name.size()) {
            name.resize(length);
            return std::filesystem::path(name).parent_path();
        }
        if (name.size() >= 32768)
            return {};
        name.resize(name.size() * 2);
    }
}

bool Win32System::showHelp(Window* owner, const char* helpFile)
{
    if (!helpFile || !*helpFile)
        return false;
    if (!helpControl)
        helpControl = LoadLibraryA("hhctrl.ocx");
    if (!helpControl)
        return false;
    const auto htmlHelp =
        reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(helpControl, "HtmlHelpA")));
    if (!htmlHelp)
        return false;
    return htmlHelp(handleOf(owner), helpFile, displayTableOfContents, 0) != nullptr;
}

}  // namespace platform::win32

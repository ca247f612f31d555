#pragma once

// The game's main window: the class "kelvary", framed and not resizable, or a topmost popup
// covering the screen in full screen.  Its window procedure turns the messages the game
// handles into platform messages.

#include <windows.h>

#include <memory>

#include "platform/Display.h"
#include "platform/Platform.h"

namespace platform::win32 {

class Win32Window final : public Window {
public:
    using Handler = std::weak_ptr<Platform::MessageHandler>;

    // Declares the class, creates and shows the window; null if it cannot be created.
    static std::unique_ptr<Win32Window> create(const WindowSettings& settings, Handler handler);

    // Destroys the window; the handler receives Destroy before this returns.
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    bool isFullScreen() const override { return fullScreen; }
    void fitToClient(int width, int height) override;
    HWND handle() const { return window; }

    // The style of the framed window: caption, system menu and minimise box only.
    static constexpr DWORD framedStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

private:
    Win32Window(bool fullScreen, Handler handler);
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool deliver(const Message& message) const;

    HWND window = nullptr;
    bool fullScreen;
    Handler handler;
};

}  // namespace platform::win32

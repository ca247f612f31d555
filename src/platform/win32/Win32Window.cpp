#include "platform/win32/Win32Window.h"

namespace platform::win32 {

namespace {

constexpr int iconResource = 102;

// Pointer positions arrive as two unsigned 16-bit halves of lParam.
Message pointerMessage(MessageKind kind, LPARAM lParam, int value)
{
    const auto bits = static_cast<std::uint32_t>(lParam);
    return Message{kind, value, static_cast<int>(bits & 0xFFFF), static_cast<int>((bits >> 16) & 0xFFFF)};
}

int buttonsHeld(WPARAM wParam)
{
    int buttons = 0;
    if (wParam & MK_LBUTTON)
        buttons |= 1;
    if (wParam & MK_RBUTTON)
        buttons |= 2;
    if (wParam & MK_MBUTTON)
        buttons |= 4;
    return buttons;
}

}  // namespace

Win32Window::Win32Window(bool full, Handler h) : fullScreen(full), handler(std::move(h)) {}

std::unique_ptr<Win32Window> Win32Window::create(const WindowSettings& settings, Handler handler)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const char* className = settings.className ? settings.className : "kelvary";

    // Declaring the class again on a later window fails harmlessly.
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = 0;  // no double-click messages: a double click is two presses
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(iconResource));
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);

    std::unique_ptr<Win32Window> result(new Win32Window(settings.fullScreen, std::move(handler)));
    DWORD exStyle = 0, style = framedStyle;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
    if (settings.fullScreen) {
        exStyle = WS_EX_TOPMOST;
        style = WS_POPUP;
        x = y = 0;
        width = GetSystemMetrics(SM_CXSCREEN);
        height = GetSystemMetrics(SM_CYSCREEN);
    }
    // The object rides along in the creation parameters, so messages sent during creation
    // already reach the game.
    HWND window = CreateWindowExA(exStyle, className, settings.title ? settings.title : "", style, x, y, width, height,
                                  nullptr, nullptr, instance, result.get());
    if (!window)
        return nullptr;
    result->window = window;
    ShowWindow(window, settings.showCommand);
    UpdateWindow(window);
    return result;
}

Win32Window::~Win32Window()
{
    if (window)
        DestroyWindow(window);
}

void Win32Window::fitToClient(int width, int height)
{
    if (fullScreen || !window)
        return;
    RECT wanted{0, 0, width, height};
    AdjustWindowRect(&wanted, framedStyle, FALSE);
    // A window started minimised keeps the size it will be restored to in its placement;
    // moving it would only move its icon.
    if (IsIconic(window)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        if (!GetWindowPlacement(window, &placement))
            return;
        placement.rcNormalPosition.right = placement.rcNormalPosition.left + (wanted.right - wanted.left);
        placement.rcNormalPosition.bottom = placement.rcNormalPosition.top + (wanted.bottom - wanted.top);
        SetWindowPlacement(window, &placement);
        return;
    }
    RECT current;
    if (!GetWindowRect(window, &current))
        return;
    MoveWindow(window, current.left, current.top, wanted.right - wanted.left, wanted.bottom - wanted.top, TRUE);
}

bool Win32Window::deliver(const Message& message) const
{
    const auto target = handler.lock();
    if (!target || !*target)
        return false;
    (*target)(message);
    return true;
}

LRESULT CALLBACK Win32Window::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);

    switch (message) {
    case WM_CLOSE:
        // The game closes the window itself; without a listener Windows does it.
        if (self->deliver(Message{MessageKind::Close, 0, 0, 0}))
            return 0;
        break;
    case WM_DESTROY:
        self->deliver(Message{MessageKind::Destroy, 0, 0, 0});
        // The object may be going away: no later message may reach it.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        return 0;
    case WM_SIZE: self->deliver(Message{MessageKind::Size, wParam == SIZE_MINIMIZED ? 1 : 0, 0, 0}); return 0;
    case WM_KEYDOWN: self->deliver(Message{MessageKind::KeyDown, static_cast<int>(wParam), 0, 0}); return 0;
    case WM_KEYUP: self->deliver(Message{MessageKind::KeyUp, static_cast<int>(wParam), 0, 0}); return 0;
    case WM_CHAR: self->deliver(Message{MessageKind::Char, static_cast<int>(wParam), 0, 0}); return 0;
    case WM_MOUSEMOVE: self->deliver(pointerMessage(MessageKind::MouseMove, lParam, 0)); return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: self->deliver(pointerMessage(MessageKind::ButtonDown, lParam, buttonsHeld(wParam))); return 0;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace platform::win32

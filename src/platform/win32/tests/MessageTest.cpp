// The window procedure and the message loop: what the game is told, and when.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>

#include "Win32TestSupport.h"

using kelvary_test::WindowedPlatform;
using platform::Message;
using platform::MessageKind;

namespace {

// Takes and dispatches every waiting message; false once the quit message came.
bool pump(platform::Platform& system, int& exitCode)
{
    while (system.peekMessage()) {
        Message message;
        if (!system.getMessage(message)) {
            exitCode = message.value;
            return false;
        }
        system.dispatchMessage(message);
    }
    return true;
}

}  // namespace

TEST(Win32Messages, InputReachesTheGameInItsOwnTerms)
{
    WindowedPlatform windowed;
    ASSERT_NE(windowed.window, nullptr);
    HWND window = windowed.handle();
    windowed.received.clear();

    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(640, 480));
    PostMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON | MK_MBUTTON, MAKELPARAM(12, 34));
    PostMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageA(window, WM_KEYUP, VK_SPACE, 0);
    PostMessageA(window, WM_CHAR, '&', 0);
    PostMessageA(window, WM_LBUTTONUP, 0, 0);      // releases are not the game's business
    PostMessageA(window, WM_LBUTTONDBLCLK, 0, 0);  // nor double clicks (the class never asks)
    int exitCode = -1;
    EXPECT_TRUE(pump(*windowed.system, exitCode));

    // The keyboard translation queues the space's own character behind what is waiting; the
    // pointer of the display may add moves of its own, which are left out here.
    // Each as its kind's number, value and position.
    std::string input;
    for (const Message& m : windowed.received)
        if (m.kind != MessageKind::Size && !(m.kind == MessageKind::MouseMove && m.x != 640))
            input += std::to_string(static_cast<int>(m.kind)) + ":" + std::to_string(m.value) + "@" +
                     std::to_string(m.x) + "," + std::to_string(m.y) + " ";
    const auto word = [](MessageKind kind, int value, int x = 0, int y = 0) {
        return std::to_string(static_cast<int>(kind)) + ":" + std::to_string(value) + "@" + std::to_string(x) + "," +
               std::to_string(y) + " ";
    };
    EXPECT_EQ(input, word(MessageKind::MouseMove, 0, 640, 480) + word(MessageKind::ButtonDown, 2 | 4, 12, 34) +
                         word(MessageKind::KeyDown, platform::vk::Space) +
                         word(MessageKind::KeyUp, platform::vk::Space) + word(MessageKind::Char, '&') +
                         word(MessageKind::Char, ' '));
}

TEST(Win32Messages, ClosingAsksTheGameAndDestroyingTellsItAtOnce)
{
    WindowedPlatform windowed;
    ASSERT_NE(windowed.window, nullptr);
    HWND window = windowed.handle();
    windowed.received.clear();

    SendMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(windowed.received.size(), 1u);
    EXPECT_EQ(windowed.received[0].kind, MessageKind::Close);
    EXPECT_TRUE(IsWindow(window)) << "the game decides whether the window goes";

    windowed.window.reset();
    EXPECT_FALSE(IsWindow(window));
    ASSERT_FALSE(windowed.received.empty());
    EXPECT_EQ(windowed.received.back().kind, MessageKind::Destroy);

    // The game answers Destroy with the quit message, which ends the loop with its code.
    windowed.system->postQuitMessage(0);
    int exitCode = -1;
    EXPECT_FALSE(pump(*windowed.system, exitCode));
    EXPECT_EQ(exitCode, 0);
}

TEST(Win32Messages, MinimisingIsReportedAndWaitingEndsWithTheTimeOrAMessage)
{
    WindowedPlatform windowed;
    ASSERT_NE(windowed.window, nullptr);
    windowed.received.clear();
    ShowWindow(windowed.handle(), SW_MINIMIZE);
    ShowWindow(windowed.handle(), SW_RESTORE);
    std::vector<int> sizes;
    for (const Message& message : windowed.received)
        if (message.kind == MessageKind::Size)
            sizes.push_back(message.value);
    ASSERT_FALSE(sizes.empty());
    EXPECT_NE(std::find(sizes.begin(), sizes.end(), 1), sizes.end()) << "minimised";
    EXPECT_EQ(sizes.back(), 0) << "restored";

    int exitCode = 0;
    windowed.system->beginTimerPeriod();
    std::uint32_t waited = 0;
    for (int attempt = 0; attempt < 5 && waited < 40; ++attempt) {  // a late message of the restore ends a wait
        pump(*windowed.system, exitCode);
        const std::uint32_t start = windowed.system->getMilliseconds();
        windowed.system->waitMessage(50);
        waited = windowed.system->getMilliseconds() - start;
    }
    EXPECT_GE(waited, 40u);
    EXPECT_LT(waited, 1000u);

    PostMessageA(windowed.handle(), WM_KEYDOWN, 'A', 0);
    const std::uint32_t again = windowed.system->getMilliseconds();
    windowed.system->waitMessage(5000);
    EXPECT_LT(windowed.system->getMilliseconds() - again, 1000u) << "a waiting message ends the wait";
    windowed.system->endTimerPeriod();
}

// The data folder's box names folders in UTF-8; a name with letters outside the code page
// (here German, Greek and Cyrillic) is shown as written.
TEST(Win32Messages, BoxesShowEveryLetterOfTheirText)
{
    auto system = platform::win32::createWin32Platform();
    const DWORD shower = GetCurrentThreadId();
    std::wstring shown;
    std::thread watcher([shower, &shown] {
        for (int attempt = 0; attempt < 400 && shown.empty(); ++attempt) {
            Sleep(50);
            HWND box = nullptr;
            EnumThreadWindows(
                shower,
                [](HWND window, LPARAM found) -> BOOL {
                    wchar_t name[16] = {};
                    if (GetClassNameW(window, name, 16) == 0 || std::wstring(name) != L"#32770")
                        return TRUE;
                    *reinterpret_cast<HWND*>(found) = window;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&box));
            if (!box)
                continue;
            // The caption, then the text of every control in the box.
            std::wstring texts(256, L'\0');
            texts.resize(static_cast<size_t>(GetWindowTextW(box, texts.data(), 256)));
            EnumChildWindows(
                box,
                [](HWND child, LPARAM all) -> BOOL {
                    std::wstring text(1024, L'\0');
                    text.resize(static_cast<size_t>(GetWindowTextW(child, text.data(), 1024)));
                    *reinterpret_cast<std::wstring*>(all) += L"|" + text;
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&texts));
            shown = texts;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    });
    system->showMessageBox(nullptr, "Cannot Find Game Data",
                           "Looked in:\nC:\\Spiele\\L\xC3\xA4ufer \xCE\xA9 \xD0\x98\xD0\xB3\xD1\x80\xD0\xB0",
                           platform::MessageIcon::Error);
    watcher.join();
    EXPECT_EQ(shown.rfind(L"Cannot Find Game Data|", 0), 0u);
    EXPECT_NE(shown.find(L"|Looked in:\nC:\\Spiele\\L\u00E4ufer \u03A9 \u0418\u0433\u0440\u0430"), std::wstring::npos);
}

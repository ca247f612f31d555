// The game's own application on the Windows layer: a start minimised, as a shortcut may ask.
#include <gtest/gtest.h>

#include "Win32TestSupport.h"
#include "app/Application.h"

TEST(WindowsStart, AWindowStartedMinimisedOpensAtItsFullSize)
{
    auto system = platform::win32::createWin32Platform();
    Application application(false, 800, 600, 16, 1, 15, 1, 22050, 16, *system, SW_SHOWMINNOACTIVE);
    theApp = &application;
    const struct Forget {
        ~Forget() { theApp = nullptr; }
    } forget;
    ASSERT_TRUE(application.initialised);
    const HWND window = dynamic_cast<platform::win32::Win32Window&>(*application.window).handle();
    EXPECT_TRUE(IsIconic(window));
    ShowWindow(window, SW_RESTORE);
    EXPECT_TRUE(application.active);
    RECT client;
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_EQ(client.right * 10000 + client.bottom, 800 * 10000 + 600);
}

// The game itself on the SDL layer: the window's multiple from the store, and a key of any
// kind reaching the screens.
#include <gtest/gtest.h>

#include "SdlTestSupport.h"
#include "app/Application.h"
#include "platform/sdl/SdlWindow.h"
#include "support/HeadlessApp.h"
#include "ui/ScreenHost.h"

namespace platform::sdl::test {
namespace {

TEST(GameStartTest, TheWindowTakesTheStoredMultipleClampedAndTheStoredValueStays)
{
    // The dummy desktop (1024x768) holds only the 1:1 window, so 0 gives that.
    const struct {
        const char* stored;  // the value in the store before the first run, or none
        int width;
        const char* afterwards;
    } cases[] = {{nullptr, 800, "dword:00000000"},
                 {"dword:00000002", 1600, "dword:00000002"},
                 {"dword:00000009", 3200, "dword:00000009"},
                 {"dword:ffffffff", 3200, "dword:ffffffff"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "none");
        TempFolder store;
        if (c.stored)
            writeFile(store.file("settings.txt"),
                      std::string("[Software\\harrowdine\\harrowdine Kelvary]\n\"windowScale\"=") + c.stored + "\n");
        for (int run = 0; run < 2; ++run) {
            HeadlessApp game(32, store.path());
            ASSERT_TRUE(game.app().initialised);
            int w = 0, h = 0;
            SDL_GetWindowSize(dynamic_cast<SdlWindow&>(*game.app().window).handle(), &w, &h);
            EXPECT_EQ(w * 10000 + h, c.width * 10000 + c.width * 3 / 4) << "run " << run;
        }
        EXPECT_NE(readFile(store.file("settings.txt")).find(std::string("\"windowScale\"=") + c.afterwards),
                  std::string::npos);
    }
}

TEST(GameStartTest, AKeyWithoutACodeSkipsTheSplash)
{
    TempFolder store;
    HeadlessApp game(32, store.path());
    auto* host = new ScreenHost(nullptr, 0, 0);
    rootWidget = host;
    ASSERT_EQ(host->getFrame(), ScreenHost::SplashScreenNumber);
    SDL_Event key{};
    key.key =
        SDL_KeyboardEvent{SDL_KEYDOWN, 0, 0, SDL_PRESSED, 0, 0, 0, SDL_Keysym{SDL_SCANCODE_APP1, SDLK_APP1, 0, 0}};
    SDL_PushEvent(&key);
    Message m;
    while (game.platform().peekMessage() && game.platform().getMessage(m))
        game.platform().dispatchMessage(m);
    EXPECT_EQ(host->getFrame(), ScreenHost::MainMenuNumber);
}

}  // namespace
}  // namespace platform::sdl::test

// The game itself on the SDL layer: the window's multiple from the store, and keys of
// every kind reaching the screens.
#include <gtest/gtest.h>

#include "SdlTestSupport.h"
#include "app/Application.h"
#include "platform/sdl/SdlWindow.h"
#include "ui/ScreenHost.h"

namespace platform::sdl::test {
namespace {

const std::string storeHeader = "[Software\\harrowdine\\harrowdine Kelvary]\n";

// One run of the game's application in a settings folder of the test's choosing.
struct GameRun {
    explicit GameRun(const TempFolder& store)
    {
        platform = createSdlPlatform(Options{32, store.path().string()});
        app = std::make_unique<Application>(false, 800, 600, 16, 1, 15, 1, 22050, 16, *platform, 1);
        theApp = app.get();
    }
    ~GameRun()
    {
        delete rootWidget;
        rootWidget = nullptr;
        app.reset();
        theApp = nullptr;
    }
    void pump()
    {
        Message m;
        while (platform->peekMessage() && platform->getMessage(m))
            platform->dispatchMessage(m);
    }

    std::unique_ptr<Platform> platform;
    std::unique_ptr<Application> app;
};

TEST(GameStartTest, TheWindowTakesTheStoredMultipleClampedAndTheStoredValueStays)
{
    // The dummy desktop (1024x768) holds only the 1:1 window, so 0 gives that.
    const struct {
        const char* stored;  // the value's line in the store, or none
        int width, height;
        const char* afterwards;
    } cases[] = {{nullptr, 800, 600, "\"windowScale\"=dword:00000000"},
                 {"\"windowScale\"=dword:00000002", 1600, 1200, "\"windowScale\"=dword:00000002"},
                 {"\"windowScale\"=dword:00000001", 800, 600, "\"windowScale\"=dword:00000001"},
                 {"\"windowScale\"=dword:00000009", 3200, 2400, "\"windowScale\"=dword:00000009"},
                 {"\"windowScale\"=dword:ffffffff", 3200, 2400, "\"windowScale\"=dword:ffffffff"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "none");
        TempFolder store;
        if (c.stored)
            writeFile(store.file("settings.txt"), storeHeader + c.stored + "\n");
        for (int run = 0; run < 2; ++run) {
            GameRun game(store);
            ASSERT_TRUE(game.app->initialised);
            int w = 0, h = 0;
            SDL_GetWindowSize(dynamic_cast<SdlWindow&>(*game.app->window).handle(), &w, &h);
            EXPECT_EQ(w * 10000 + h, c.width * 10000 + c.height) << "run " << run;
        }
        EXPECT_NE(readFile(store.file("settings.txt")).find(c.afterwards), std::string::npos);
    }
}

TEST(GameStartTest, AKeyWithoutACodeSkipsTheSplash)
{
    TempFolder store;
    GameRun game(store);
    ASSERT_TRUE(game.app->initialised);
    auto* host = new ScreenHost(nullptr, 0, 0);
    rootWidget = host;
    ASSERT_EQ(host->getFrame(), ScreenHost::SplashScreenNumber);
    SDL_Event key{};
    key.key =
        SDL_KeyboardEvent{SDL_KEYDOWN, 0, 0, SDL_PRESSED, 0, 0, 0, SDL_Keysym{SDL_SCANCODE_APP1, SDLK_APP1, 0, 0}};
    SDL_PushEvent(&key);
    game.pump();
    EXPECT_EQ(host->getFrame(), ScreenHost::MainMenuNumber);
}

}  // namespace
}  // namespace platform::sdl::test

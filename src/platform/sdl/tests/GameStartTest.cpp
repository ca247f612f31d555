// The game itself on the SDL layer: the window's multiple from the store; and the shell on a
// headless run: nothing blocks, nothing launches.
#include <gtest/gtest.h>

#include "SdlTestSupport.h"
#include "app/Application.h"
#include "platform/sdl/SdlWindow.h"
#include "support/HeadlessApp.h"

namespace platform::sdl::test {
namespace {

TEST(GameStartTest, TheWindowTakesTheStoredMultipleAsFarAsItFitsAndTheStoredValueStays)
{
    // The dummy desktop (1024x768) holds only the 1:1 window, whatever is asked.  A number
    // written as text counts as that number; other text as the default.
    const struct {
        const char* stored;  // the value in the store before the first run, or none
        int asked;
        const char* afterwards;
    } cases[] = {{nullptr, 0, "dword:00000000"},
                 {"dword:00000009", 4, "dword:00000009"},
                 {"dword:ffffffff", 4, "dword:ffffffff"},
                 {"\"2\"", 2, "\"2\""},
                 {"\"two\"", 0, "\"two\""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "none");
        TempFolder store;
        if (c.stored)
            writeFile(store.file("settings.txt"),
                      std::string("[Software\\harrowdine\\harrowdine Kelvary]\n\"windowScale\"=") + c.stored + "\n");
        for (int run = 0; run < 2; ++run) {
            HeadlessApp game(32, store.path());
            ASSERT_TRUE(game.app().initialised);
            EXPECT_EQ(game.app().windowScale, c.asked);
            int w = 0, h = 0;
            SDL_GetWindowSize(dynamic_cast<SdlWindow&>(*game.app().window).handle(), &w, &h);
            EXPECT_EQ(w * 10000 + h, 8000600) << "run " << run;
        }
        EXPECT_NE(readTextFile(store.file("settings.txt")).find(std::string("\"windowScale\"=") + c.afterwards),
                  std::string::npos);
    }
}

TEST(ShellTest, BoxesGoToStandardErrorAndAddressesAreRecordedInsteadOfLaunched)
{
    TempFolder folder;
    const auto place = folder.path() / "with space";
    std::filesystem::create_directories(place / "help");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(place);
    auto platform = createSdlPlatform(Options{});

    ::testing::internal::CaptureStderr();
    platform->showMessageBox(nullptr, "Paint Error", "An unexpected error occurs.", MessageIcon::Error);
    platform->showMessageBox(nullptr, nullptr, nullptr, MessageIcon::Information);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("Paint Error: An unexpected error occurs.\n"),
              std::string::npos);

    // The help page's address, from a folder whose name holds a space.
    EXPECT_FALSE(platform->showHelp(nullptr, "harrowdine kelvary help.chm"));  // no help there yet
    writeFile("help/index.html", "<html></html>");
    EXPECT_TRUE(platform->showHelp(nullptr, "harrowdine kelvary help.chm"));
    const std::string address = lastOpenedAddress(*platform);
    std::filesystem::current_path(previous);
    EXPECT_EQ(address.rfind("file:///", 0), 0u) << address;
    EXPECT_NE(address.find("/with%20space/help/index.html"), std::string::npos) << address;
}

}  // namespace
}  // namespace platform::sdl::test

// Message boxes, web pages and help on a headless run: nothing blocks, nothing launches.
#include <gtest/gtest.h>

#include "SdlTestSupport.h"

namespace platform::sdl::test {
namespace {

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

    EXPECT_FALSE(platform->showHelp(nullptr, "harrowdine kelvary help.chm"));  // no help there yet
    EXPECT_FALSE(platform->openWebPage(nullptr, nullptr));
    EXPECT_EQ(lastOpenedAddress(*platform), "");
    EXPECT_TRUE(platform->openWebPage(nullptr, "https://harrowdine.example/"));
    EXPECT_EQ(lastOpenedAddress(*platform), "https://harrowdine.example/");

    writeFile("help/index.html", "<html></html>");
    EXPECT_TRUE(platform->showHelp(nullptr, "harrowdine kelvary help.chm"));
    const std::string address = lastOpenedAddress(*platform);
    std::filesystem::current_path(previous);
    EXPECT_EQ(address.rfind("file:///", 0), 0u) << address;
    EXPECT_NE(address.find("/with%20space/help/index.html"), std::string::npos) << address;
}

}  // namespace
}  // namespace platform::sdl::test

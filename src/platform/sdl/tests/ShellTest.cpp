// Message boxes, web pages and help on a headless run: nothing blocks, nothing launches.
#include <gtest/gtest.h>

#include "SdlTestSupport.h"

namespace platform::sdl::test {
namespace {

TEST(ShellTest, MessageBoxesGoToStandardErrorWithoutADisplay) {
    auto platform = createSdlPlatform(Options{});
    ::testing::internal::CaptureStderr();
    platform->showMessageBox(nullptr, "Paint Error", "An unexpected error occurs, the program will now exit.",
                             MessageIcon::Error);
    platform->showMessageBox(nullptr, nullptr, nullptr, MessageIcon::Information);
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find("Paint Error: An unexpected error occurs, the program will now exit.\n"), std::string::npos);
}

TEST(ShellTest, WebPagesAreRecordedInsteadOfLaunched) {
    auto platform = createSdlPlatform(Options{});
    EXPECT_EQ(lastOpenedAddress(*platform), "");
    EXPECT_TRUE(platform->openWebPage(nullptr, "https://harrowdine.example/"));
    EXPECT_EQ(lastOpenedAddress(*platform), "https://harrowdine.example/");
    EXPECT_FALSE(platform->openWebPage(nullptr, nullptr));
    EXPECT_FALSE(platform->openWebPage(nullptr, ""));
}

TEST(ShellTest, TheCompiledHelpOpensTheHtmlHelpOfTheCurrentFolder) {
    TempFolder folder;
    const auto place = folder.path() / "with space";
    std::filesystem::create_directories(place);
    CurrentFolder here(place);
    auto platform = createSdlPlatform(Options{});
    EXPECT_FALSE(platform->showHelp(nullptr, "harrowdine kelvary help.chm"));  // no help yet
    EXPECT_EQ(lastOpenedAddress(*platform), "");

    std::filesystem::create_directory("help");
    writeFile("help/index.html", "<html></html>");
    ASSERT_TRUE(platform->showHelp(nullptr, "harrowdine kelvary help.chm"));
    const std::string address = lastOpenedAddress(*platform);
    EXPECT_EQ(address.rfind("file:///", 0), 0u) << address;
    EXPECT_NE(address.find("/with%20space/help/index.html"), std::string::npos) << address;
    EXPECT_EQ(address.find(' '), std::string::npos);

    // Any other help file is opened as it is, if it exists.
    writeFile("notes.html", "<html></html>");
    ASSERT_TRUE(platform->showHelp(nullptr, "notes.html"));
    EXPECT_NE(lastOpenedAddress(*platform).find("/notes.html"), std::string::npos);
    EXPECT_FALSE(platform->showHelp(nullptr, "missing.html"));
    EXPECT_FALSE(platform->showHelp(nullptr, nullptr));
}

}  // namespace
}  // namespace platform::sdl::test

// The headless driver as tests and tools use it: a separate program run from the output folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/DriverRun.h"
#include "support/TemporaryFolder.h"

namespace {

// The driver's output and errors together, as a user sees them.
DriverRun runDriver(const std::string& arguments)
{
    DriverRun run = runProgram(std::string(KELVARY_OUTPUT_DIR) + "/kelvary-driver " + arguments);
    run.output += run.errors;
    return run;
}

void writeFile(const std::filesystem::path& file, const std::string& text) { std::ofstream(file) << text; }

TEST(Driver, AMalformedScriptLineIsRefusedWithItsNumberBeforeAnythingRuns)
{
    TemporaryFolder folder;
    const auto script = folder.path() / "bad.txt";
    writeFile(script, "# a comment\n0 move 10 10\n3 jump 5\n");
    const auto result = runDriver("--script " + script.string() + " --store " + folder.path().string());
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.output.find("line 3"), std::string::npos) << result.output;
    // Nothing ran, so nothing was stored.
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()) ||
                std::distance(std::filesystem::directory_iterator(folder.path()), {}) == 1);

    EXPECT_EQ(runDriver("--bpp 8").exitCode, 2);
    EXPECT_EQ(runDriver("--shot nonsense").exitCode, 2);
}

TEST(Driver, ScriptEventsArriveBeforeTheFrameTheyName)
{
    TemporaryFolder folder;
    const auto script = folder.path() / "close.txt";
    writeFile(script, "5 close\n");
    const auto result =
        runDriver("--frames 50 --state-every 1 --script " + script.string() + " --store " + folder.path().string());
    EXPECT_EQ(result.exitCode, 0) << result.output;
    // Frames 0 to 4 were presented; the close came before frame 5 was drawn.
    EXPECT_NE(result.output.find("{\"frame\":4,"), std::string::npos) << result.output;
    EXPECT_EQ(result.output.find("{\"frame\":5,"), std::string::npos) << result.output;
}

TEST(Driver, TwoRunsWithTheSameArgumentsPrintAndDrawTheSame)
{
    TemporaryFolder folder;
    const auto first = folder.path() / "first.png";
    const auto second = folder.path() / "second.png";
    const std::string common = " --seed 7 --frames 20 --state-every 5 --bpp 16";
    const auto a = runDriver("--shot 12:" + first.string() + common);
    const auto b = runDriver("--shot 12:" + second.string() + common);
    EXPECT_EQ(a.exitCode, 0) << a.output;
    EXPECT_EQ(a.output, b.output);
    EXPECT_NE(a.output.find("{\"frame\":15,"), std::string::npos) << a.output;
    const std::string png = readTextFile(first.string());
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(png, readTextFile(second.string()));
}

}  // namespace

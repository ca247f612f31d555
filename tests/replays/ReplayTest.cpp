// Recorded replays: each NAME.script of this folder is played by the headless driver with the
// options on its first line, and its state lines and screenshot hashes must equal
// NAME.expected.  A screenshot is compared by its pixels' hash, not its file's bytes, so a new
// PNG encoder that writes the same picture passes.  tools/replay/record.py records them; read
// a new .expected before keeping it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "support/DriverRun.h"
#include "support/HeadlessApp.h"
#include "support/PicturePixels.h"

namespace {

// Found from the test data folder: a build that shortens source paths (ccache) leaves __FILE__ relative.
const std::filesystem::path replayFolder = std::filesystem::path(KELVARY_TEST_DATA).parent_path() / "replays";

// The non-empty lines of a file of this folder.
std::vector<std::string> linesOf(const std::string& file)
{
    std::vector<std::string> lines;
    std::istringstream in(readTextFile((replayFolder / file).string()));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

class ReplayTest : public testing::TestWithParam<std::string> {};

TEST_P(ReplayTest, PlaysAsRecorded)
{
    const std::string name = GetParam();
    // The script's first line holds the driver's options; each "--shot N" is written to the
    // temporary folder and compared by the hash of its pixels.
    const std::string marker = "# driver: ";
    const std::string first = linesOf(name + ".script").at(0);
    ASSERT_EQ(first.rfind(marker, 0), 0u) << name << ".script has no driver options";
    TemporaryFolder folder;
    std::string command = std::string(KELVARY_OUTPUT_DIR) + "/kelvary-driver --script '" +
                          (replayFolder / (name + ".script")).string() + "' --store '" + folder.path().string() + "'";
    const auto png = [&folder](int frame) { return (folder.path() / (std::to_string(frame) + ".png")).string(); };
    std::vector<int> shots;
    std::istringstream words(first.substr(marker.size()));
    for (std::string word; words >> word;) {
        if (word == "--shot") {
            words >> shots.emplace_back();
            word += " " + std::to_string(shots.back()) + ":" + png(shots.back());
        }
        command += " " + word;
    }
    const DriverRun run = runProgram("cd '" + std::string(KELVARY_OUTPUT_DIR) + "' && " + command);
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    std::vector<std::string> actual = run.stateLines();
    for (int frame : shots) {
        char hash[32];
        std::snprintf(hash, sizeof hash, "%016llx", hashPicturePixels(png(frame)));
        actual.push_back("shot " + std::to_string(frame) + " " + hash);
    }
    EXPECT_EQ(actual, linesOf(name + ".expected")) << name;
}

std::vector<std::string> replayNames()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(replayFolder)) {
        if (entry.path().extension() == ".script")
            names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Recorded, ReplayTest, testing::ValuesIn(replayNames()),
                         [](const testing::TestParamInfo<std::string>& param) { return param.param; });

}  // namespace

// Recorded replays: each NAME.script of this folder is played by the headless driver with the
// options on its first line, and its state lines and screenshot hashes must equal
// NAME.expected.  tools/replay/record.py records them; read a new .expected before keeping it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "support/DriverRun.h"
#include "support/HeadlessApp.h"

namespace {

// Found from the test data folder: a build that shortens source paths (ccache) leaves __FILE__ relative.
const std::filesystem::path replayFolder = std::filesystem::path(KELVARY_TEST_DATA).parent_path() / "replays";

struct Replay {
    std::string driverOptions;
    std::vector<int> shots;
};

Replay readReplay(const std::string& name)
{
    Replay replay;
    std::istringstream script(readTextFile((replayFolder / (name + ".script")).string()));
    std::string first;
    std::getline(script, first);
    const std::string marker = "# driver: ";
    if (first.rfind(marker, 0) != 0)
        return replay;
    std::istringstream words(first.substr(marker.size()));
    std::string word;
    while (words >> word) {
        if (word == "--shot") {
            int frame = 0;
            words >> frame;
            replay.shots.push_back(frame);
        } else {
            replay.driverOptions += " " + word;
        }
    }
    return replay;
}

std::vector<std::string> expectedLines(const std::string& name)
{
    std::vector<std::string> lines;
    std::istringstream in(readTextFile((replayFolder / (name + ".expected")).string()));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

class ReplayTest : public testing::TestWithParam<std::string> {};

TEST_P(ReplayTest, PlaysAsRecorded)
{
    const std::string name = GetParam();
    const Replay replay = readReplay(name);
    ASSERT_FALSE(replay.driverOptions.empty()) << name << ".script has no driver options";
    TemporaryFolder folder;
    std::string command = std::string(KELVARY_OUTPUT_DIR) + "/kelvary-driver" + replay.driverOptions + " --script '" +
                          (replayFolder / (name + ".script")).string() + "' --store '" + folder.path().string() + "'";
    for (int frame : replay.shots)
        command +=
            " --shot " + std::to_string(frame) + ":" + (folder.path() / (std::to_string(frame) + ".png")).string();
    const DriverRun run = runProgram("cd '" + std::string(KELVARY_OUTPUT_DIR) + "' && " + command);
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    std::vector<std::string> actual = run.stateLines();
    for (int frame : replay.shots) {
        char hash[32];
        std::snprintf(hash, sizeof hash, "%016llx",
                      hashFile((folder.path() / (std::to_string(frame) + ".png")).string()));
        actual.push_back("shot " + std::to_string(frame) + " " + hash);
    }
    const auto expected = expectedLines(name);
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]) << name << ": result " << i + 1 << " differs";
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

// Running the generator: the same source gives the same bytes every time, and a folder
// that cannot be written is reported, not half-filled.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "AssetFiles.h"
#include "support/DriverRun.h"
#include "support/TemporaryFolder.h"

namespace fs = std::filesystem;

namespace {

const std::string generator = std::string(KELVARY_OUTPUT_DIR) + "/kelvary-assetgen";

int runGenerator(const std::string& arguments)
{
    return runProgram(generator + " " + arguments + " >/dev/null").exitCode;
}

std::map<std::string, std::vector<std::uint8_t>> contents(const fs::path& root)
{
    std::map<std::string, std::vector<std::uint8_t>> out;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            out[fs::relative(entry.path(), root).string()] = assetfiles::readBytes(entry.path());
    return out;
}

}  // namespace

TEST(GeneratorRun, TwoRunsWriteIdenticalBytesAndMatchTheBuiltAssets)
{
    TemporaryFolder first, second;
    ASSERT_EQ(runGenerator("'" + first.path().string() + "'"), 0);
    ASSERT_EQ(runGenerator("'" + second.path().string() + "'"), 0);
    const auto a = contents(first.path()), b = contents(second.path());
    ASSERT_GE(a.size(), 31u);  // 23 pictures, the window icon, 7 sounds, and more
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        ASSERT_TRUE(b.count(name)) << name;
        EXPECT_TRUE(bytes == b.at(name)) << name << " differs between runs";
        EXPECT_TRUE(bytes == assetfiles::readBytes(fs::path(KELVARY_OUTPUT_DIR) / name))
            << name << " differs from the one the build made";
        EXPECT_EQ(name.find(".part"), std::string::npos) << "left over: " << name;
    }
}

TEST(GeneratorRun, AnUnwritableFolderOrAMissingArgumentFails)
{
    TemporaryFolder folder;
    const fs::path blocker = folder.path() / "file";
    std::ofstream(blocker) << "not a folder";
    EXPECT_EQ(runGenerator("'" + (blocker / "assets").string() + "'"), 1);
    EXPECT_EQ(runGenerator(""), 2);
    EXPECT_EQ(runGenerator("a b"), 2);
}

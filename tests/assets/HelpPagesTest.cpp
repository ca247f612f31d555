// The help beside the game is complete: every page the contents lead to, every picture
// and style sheet a page uses, and every file the compiled help lists are there.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/DriverRun.h"

namespace fs = std::filesystem;

namespace {

const fs::path helpFolder = fs::path(KELVARY_OUTPUT_DIR) / "help";
// The help's sources, beside the tests folder.
const fs::path helpSources = fs::path(KELVARY_TEST_DATA).parent_path().parent_path() / "help";

std::string readText(const fs::path& path) { return readTextFile(path.string()); }

// The local files a page refers to: its href and src values without anchors or addresses.
std::vector<std::string> references(const std::string& text)
{
    std::vector<std::string> out;
    for (const std::string attribute : {"href=\"", "src=\""})
        for (std::size_t at = text.find(attribute); at != std::string::npos; at = text.find(attribute, at + 1)) {
            const std::size_t start = at + attribute.size(), end = text.find('"', start);
            if (end == std::string::npos)
                break;
            std::string target = text.substr(start, end - start);
            target = target.substr(0, target.find('#'));
            if (!target.empty() && target.find(':') == std::string::npos)
                out.push_back(target);
        }
    return out;
}

}  // namespace

TEST(HelpPages, EveryLinkAndPictureOfEveryPageResolves)
{
    ASSERT_TRUE(fs::exists(helpFolder / "index.html"));
    std::set<std::string> visited, toVisit{"index.html"};
    while (!toVisit.empty()) {
        const std::string page = *toVisit.begin();
        toVisit.erase(toVisit.begin());
        visited.insert(page);
        const std::string text = readText(helpFolder / page);
        ASSERT_FALSE(text.empty()) << page;
        for (const std::string& target : references(text)) {
            EXPECT_TRUE(fs::exists(helpFolder / target)) << page << " refers to missing " << target;
            if (target.ends_with(".html") && !visited.count(target))
                toVisit.insert(target);
        }
    }
    // Every page is reachable from the contents.
    for (const auto& entry : fs::directory_iterator(helpFolder))
        if (entry.path().extension() == ".html") {
            EXPECT_TRUE(visited.count(entry.path().filename().string())) << entry.path() << " is not linked";
        }
}

TEST(HelpPages, TheCompiledHelpListsEveryPageAndPicture)
{
    const std::string project = readText(helpSources / "kelvary.hhp");
    ASSERT_NE(project.find("Compiled file=harrowdine kelvary help.chm"), std::string::npos);
    ASSERT_NE(project.find("Default topic=index.html"), std::string::npos);
    const std::string files = project.substr(project.find("[FILES]"));
    for (const auto& entry : fs::directory_iterator(helpFolder)) {
        const std::string name = entry.path().filename().string();
        EXPECT_NE(files.find("\n" + name + "\n"), std::string::npos) << name << " is missing from kelvary.hhp";
    }
}

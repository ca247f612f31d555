// The headless driver as tests and tools use it (a separate program run from the output
// folder), and the game finding its pictures and sounds wherever it is started from: beside the
// program, or in the installed data folder relative to it; without them it says where it looked
// and ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/DataFolder.h"
#include "support/DriverRun.h"
#include "support/TemporaryFolder.h"

namespace fs = std::filesystem;

namespace {

const fs::path outputFolder = KELVARY_OUTPUT_DIR;

void copyProgram(const std::string& name, const fs::path& folder)
{
    fs::create_directories(folder);
    fs::copy_file(outputFolder / name, folder / name, fs::copy_options::overwrite_existing);
}

void copyData(const fs::path& folder)
{
    fs::create_directories(folder);
    for (const auto& entry : fs::directory_iterator(outputFolder)) {
        const auto extension = entry.path().extension();
        if (extension == ".bmp" || extension == ".wav")
            fs::copy_file(entry.path(), folder / entry.path().filename());
    }
}

// The driver started from `startFolder`: the splash is clicked away and frame 10 is shot.
DriverRun runToMenu(const fs::path& driver, const fs::path& startFolder, const fs::path& work, const fs::path& shot)
{
    {
        std::ofstream script(work / "menu.txt");
        script << "2 press 400 300 1\n";
    }
    return runProgram("cd '" + startFolder.string() + "' && '" + driver.string() +
                      "' --frames 11 --state 10 --script '" + (work / "menu.txt").string() + "' --store '" +
                      work.string() + "' --shot '10:" + shot.string() + "'");
}

TEST(DataFolder, TheGameStartedAwayFromItsDataShowsTheSameMenu)
{
    TemporaryFolder work;
    const auto reference = work.path() / "reference.png";
    const auto fromBin = runToMenu(outputFolder / "kelvary-driver", outputFolder, work.path(), reference);
    ASSERT_EQ(fromBin.exitCode, 0) << fromBin.errors;
    ASSERT_EQ(fromBin.stateLines().size(), 1u);
    ASSERT_EQ(stateField(fromBin.stateLines()[0], "screen"), 1) << "the menu";

    // The build's own folder, from elsewhere; an installed tree (program and data folder apart),
    // moved to a temporary folder and started from the root.
    const auto installedProgram = work.path() / "installed" / "bin";
    copyProgram("kelvary-driver", installedProgram);
    const auto folders = dataFolderCandidates(installedProgram);
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0], installedProgram);
    EXPECT_NE(folders[1], installedProgram);
    copyData(folders[1]);
    const struct {
        fs::path driver;
        fs::path start;
    } runs[] = {{outputFolder / "kelvary-driver", work.path()}, {installedProgram / "kelvary-driver", "/"}};
    for (const auto& run : runs) {
        SCOPED_TRACE(run.driver.string() + " from " + run.start.string());
        const auto shot = work.path() / "menu.png";
        const auto result = runToMenu(run.driver, run.start, work.path(), shot);
        ASSERT_EQ(result.exitCode, 0) << result.errors;
        EXPECT_EQ(result.stateLines(), fromBin.stateLines());
        EXPECT_EQ(hashFile(shot.string()), hashFile(reference.string()));
    }
}

TEST(DataFolder, WithoutItsPicturesTheGameNamesTheFoldersLookedInAndFails)
{
    TemporaryFolder work;
    const auto program = work.path() / "games";
    copyProgram("kelvary", program);
    // Sounds alone are not the game's data; neither is the folder it is started from.
    fs::copy_file(outputFolder / "start.wav", program / "start.wav");
    fs::create_directories(work.path() / "elsewhere");
    fs::copy_file(outputFolder / "company.bmp", work.path() / "elsewhere" / "company.bmp");

    const auto result = runProgram("cd '" + (work.path() / "elsewhere").string() +
                                   "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout -k 5 60 '" +
                                   (program / "kelvary").string() +
                                   "'");  // the real game has no frame limit: a game that never ends fails in a minute
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.errors.find("Cannot Find Game Data"), std::string::npos) << result.errors;
    for (const auto& folder : dataFolderCandidates(program))
        EXPECT_NE(result.errors.find(folder.string()), std::string::npos) << folder << "\n" << result.errors;
}

// The driver's output and errors together, as a user sees them.
DriverRun runDriver(const std::string& arguments)
{
    DriverRun run = runProgram(std::string(KELVARY_OUTPUT_DIR) + "/kelvary-driver " + arguments);
    run.output += run.errors;
    return run;
}

void writeFile(const fs::path& file, const std::string& text) { std::ofstream(file) << text; }

TEST(Driver, AMalformedScriptLineIsRefusedWithItsNumberBeforeAnythingRuns)
{
    TemporaryFolder folder;
    const auto script = folder.path() / "bad.txt";
    writeFile(script, "# a comment\n0 move 10 10\n3 jump 5\n");
    const auto result = runDriver("--script " + script.string() + " --store " + folder.path().string());
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.output.find("line 3"), std::string::npos) << result.output;
    // Nothing ran, so nothing was stored.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1) << "the script alone";

    EXPECT_EQ(runDriver("--bpp 8").exitCode, 2);
    EXPECT_EQ(runDriver("--shot nonsense").exitCode, 2);

    // Fingers and controllers: a known phase, a finger and a place; a button or an axis in range.
    for (const char* line : {"1 touch sideways 1 5 5", "1 touch down 1 5", "1 touch up x 5 5", "1 pad down 32",
                             "1 pad axis 6 0", "1 pad axis 1 40000", "1 pad press 0"}) {
        writeFile(script, std::string("0 touch down 1 5 5\n") + line + "\n");
        const auto refused = runDriver("--script " + script.string() + " --store " + folder.path().string());
        EXPECT_EQ(refused.exitCode, 2) << line;
        EXPECT_NE(refused.output.find("line 2"), std::string::npos) << line;
    }
}

TEST(Driver, StateLinesComeEveryNthFrameCountedFromTheFirst)
{
    TemporaryFolder folder;
    const auto result = runDriver("--frames 3 --state-every 2 --store " + folder.path().string());
    EXPECT_EQ(result.output.find("{\"frame\":1,"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("{\"frame\":2,"), std::string::npos) << result.output;
}

}  // namespace

// The settings store damaged between two runs of the real game (the headless driver on the
// real SDL layer): the game still starts, plays and ends cleanly, and a high-score entry that
// can still be read is never lost.  An interrupted save leaves the old store as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/DriverRun.h"
#include "support/HeadlessApp.h"

namespace fs = std::filesystem;

namespace {

// Splash skipped, the high-score box opened and closed, options: sound switched, a game
// started with a few turns and the hint key.
const char* playScript = "2 press 10 10 1\n12 press 400 307 1\n20 press 481 444 1\n"
                         "30 press 400 338 1\n36 press 390 250 1\n42 press 400 350 1\n"
                         "50 press 400 236 1\n70 press 280 220 1\n80 keydown 32\n84 keyup 32\n90 press 400 400 2\n";

const std::string storeWithEntry = "[Software\\harrowdine\\harrowdine Kelvary]\n"
                                   "\"fullScreen\"=hex:00\n"
                                   "\"hasSound\"=hex:01\n"
                                   "\"name0\"=\"Zed Q\"\n"
                                   "\"score0\"=dword:001e8480\n";
const std::string entryName = "\"name0\"=\"Zed Q\"";
const std::string entryScore = "\"score0\"=dword:001e8480";

class SettingsStore : public testing::Test {
protected:
    fs::path store() const { return folder.path() / "store"; }
    fs::path file() const { return store() / "settings.txt"; }

    void SetUp() override
    {
        fs::create_directories(store());
        std::ofstream(folder.path() / "play.script") << playScript;
    }

    void writeStore(const std::string& text) { std::ofstream(file(), std::ios::binary) << text; }

    // One run of the game; expects a clean end after reaching the game screen.
    DriverRun play(const std::string& extra = "")
    {
        DriverRun run =
            runProgram(std::string(KELVARY_OUTPUT_DIR) + "/kelvary-driver --frames 120 --state 119 --script '" +
                       (folder.path() / "play.script").string() + "' --store '" + store().string() + "' " + extra);
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        const auto states = run.stateLines();
        EXPECT_EQ(states.size(), 1u);
        if (!states.empty()) {
            EXPECT_EQ(stateField(states[0], "screen"), 2) << states[0];
        }
        return run;
    }

    void expectEntryKept()
    {
        const std::string text = readTextFile(file().string());
        EXPECT_NE(text.find(entryName), std::string::npos) << text;
        EXPECT_NE(text.find(entryScore), std::string::npos) << text;
    }

    std::vector<fs::path> leftovers() const
    {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(store())) {
            if (entry.path().filename() != "settings.txt")
                found.push_back(entry.path());
        }
        return found;
    }

    TemporaryFolder folder;
};

TEST_F(SettingsStore, ADeletedStoreIsWrittenAfreshWithTheDefaults)
{
    writeStore(storeWithEntry);
    play();
    fs::remove(file());
    play();
    const std::string text = readTextFile(file().string());
    EXPECT_NE(text.find("\"hasSound\"=hex:00"), std::string::npos) << text;  // switched off in the run
    EXPECT_NE(text.find("\"name0\"=\"Wuffle\""), std::string::npos) << text;
}

TEST_F(SettingsStore, ATruncatedStoreKeepsEveryWholeEntry)
{
    // Cut inside the line after the entry: that line is lost, the entry kept.
    const std::string longer = storeWithEntry + "\"name1\"=\"Ann\"\n\"score1\"=dword:001e8000\n";
    for (size_t cut : {longer.size() - 5, longer.size() - 20, storeWithEntry.size() + 3}) {
        writeStore(longer.substr(0, cut));
        play();
        expectEntryKept();
    }
    // Cut inside the entry itself: the game still starts from what is left.
    writeStore(storeWithEntry.substr(0, storeWithEntry.size() - 4));
    play();
    EXPECT_NE(readTextFile(file().string()).find(entryName), std::string::npos);
}

TEST_F(SettingsStore, GarbageAroundTheEntriesIsIgnored)
{
    std::string garbage;
    for (int i = 0; i < 5000; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    writeStore(garbage + "\n" + storeWithEntry + garbage + "\n\"name2\"=\"unterminated\n\"score2\"=dword:zz\n");
    play();
    expectEntryKept();

    // Nothing but garbage, no line ends at all: the defaults.
    writeStore(std::string(200000, '\x01'));
    play();
    EXPECT_NE(readTextFile(file().string()).find("\"name0\"=\"Wuffle\""), std::string::npos);
}

TEST_F(SettingsStore, AReadOnlyStoreOrFolderStillPlays)
{
    writeStore(storeWithEntry);
    fs::permissions(file(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    play();
    expectEntryKept();

    fs::permissions(store(), fs::perms::owner_read | fs::perms::owner_exec);
    play();
    fs::permissions(store(), fs::perms::owner_all);
    expectEntryKept();
    EXPECT_TRUE(leftovers().empty());
}

TEST_F(SettingsStore, AFolderInPlaceOfTheStoreIsLeftAlone)
{
    fs::create_directories(file() / "inside");
    play();
    EXPECT_TRUE(fs::is_directory(file() / "inside"));
}

TEST_F(SettingsStore, AnInterruptedSaveLeavesTheOldStoreIntact)
{
    writeStore(storeWithEntry);
    play();  // the whole table is stored now, and the sound is off
    const std::string before = readTextFile(file().string());
    ASSERT_NE(before.find("\"hasSound\"=hex:00"), std::string::npos) << before;

    // This run switches the sound on again, but its last save stops before the rename.
    play("--interrupt-last-save 1");
    EXPECT_EQ(readTextFile(file().string()), before);
    ASSERT_EQ(leftovers().size(), 1u);  // the temporary file a crash leaves behind
    EXPECT_NE(readTextFile(leftovers()[0].string()).find("\"hasSound\"=hex:01"), std::string::npos);

    // The next run reads the old store, saves over it and clears the leftover.
    play();
    expectEntryKept();
    EXPECT_NE(readTextFile(file().string()).find("\"hasSound\"=hex:01"), std::string::npos);
    EXPECT_TRUE(leftovers().empty());
}

}  // namespace

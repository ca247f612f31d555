// The settings key in its per-user file: typed values, escaping, damaged files, safe saves.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>

#include "SdlTestSupport.h"
#include "platform/sdl/FileSettingsKey.h"
#include "platform/sdl/SettingsFile.h"

namespace platform::sdl::test {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    SettingsTest() {
        Options options;
        options.settingsFolder = folder.path().string();
        platform = createSdlPlatform(options);
    }
    std::unique_ptr<SettingsKey> open() { return platform->openSettings("harrowdine", "harrowdine Kelvary"); }
    std::string file() const { return folder.file(FileSettingsKey::fileName); }
    std::string stored() const { return readFile(file()); }

    TempFolder folder;
    std::unique_ptr<Platform> platform;
};

TEST_F(SettingsTest, EveryTypeSurvivesAReopenInAReadableFile) {
    {
        auto key = open();
        ASSERT_TRUE(key);
        EXPECT_FALSE(key->query("name0"));
        const std::uint32_t score = 1000000;
        const std::uint8_t sound = 1;
        const std::uint8_t blob[3] = {0x00, 0xAB, 0xFF};
        EXPECT_TRUE(key->write("name0", ValueType::Text, "Wuffle", 7));
        EXPECT_TRUE(key->write("score0", ValueType::Number, &score, 4));
        EXPECT_TRUE(key->write("hasSound", ValueType::Bytes, &sound, 1));
        EXPECT_TRUE(key->write("blob", ValueType::Bytes, blob, 3));
        EXPECT_TRUE(key->write("empty", ValueType::Bytes, nullptr, 0));
        EXPECT_FALSE(std::filesystem::exists(file()));  // written when the key is closed
    }
    EXPECT_EQ(stored(),
              "[Software\\harrowdine\\harrowdine Kelvary]\n"
              "\"name0\"=\"Wuffle\"\n"
              "\"score0\"=dword:000f4240\n"
              "\"hasSound\"=hex:01\n"
              "\"blob\"=hex:00,ab,ff\n"
              "\"empty\"=hex:\n");
    auto key = open();
    char name[256];
    std::uint32_t score = 0;
    std::uint8_t sound = 0, blob[3] = {}, nothing = 9;
    ASSERT_TRUE(key->read("name0", name, sizeof name));
    EXPECT_STREQ(name, "Wuffle");
    ASSERT_TRUE(key->read("score0", &score, 4));
    EXPECT_EQ(score, 1000000u);
    ASSERT_TRUE(key->read("HASSOUND", &sound, 1));  // names are compared as the registry does
    EXPECT_EQ(sound, 1);
    ASSERT_TRUE(key->read("blob", blob, 3));
    EXPECT_EQ(blob[2], 0xFF);
    EXPECT_TRUE(key->read("empty", &nothing, 1));
    EXPECT_EQ(nothing, 9);
}

TEST_F(SettingsTest, OpeningAndReadingWriteNothingAndAnUnchangedValueIsNotSavedAgain) {
    { auto key = open(); ASSERT_TRUE(key); }
    EXPECT_FALSE(std::filesystem::exists(file()));
    {
        auto key = open();
        const std::uint8_t on = 1;
        key->write("hasSound", ValueType::Bytes, &on, 1);
    }
    writeFile(file(), stored() + "; a line that is not a value\n");
    {
        auto key = open();
        std::uint8_t on = 0;
        EXPECT_TRUE(key->read("hasSound", &on, 1));
        on = 1;
        EXPECT_TRUE(key->write("hasSound", ValueType::Bytes, &on, 1));  // the same again
    }
    EXPECT_NE(stored().find("; a line"), std::string::npos);  // the file was left alone
}

TEST_F(SettingsTest, AValueOfAnotherTypeIsReadUnchangedWhenItFits) {
    {
        auto key = open();
        const std::uint8_t on = 1;
        key->write("fullScreen", ValueType::Bytes, &on, 1);
        key->write("name3", ValueType::Text, "Ab", 3);
    }
    auto key = open();
    std::uint32_t wide = 0xAAAAAAAA;
    ASSERT_TRUE(key->read("fullScreen", &wide, 4));
    EXPECT_EQ(wide, 0xAAAAAA01u);  // one byte copied, the rest as it was
    std::uint32_t number = 0;
    ASSERT_TRUE(key->read("name3", &number, 4));
    EXPECT_EQ(std::memcmp(&number, "Ab", 3), 0);
    std::uint16_t tooSmall = 0;
    EXPECT_FALSE(key->read("name3", &tooSmall, 2));
}

TEST_F(SettingsTest, AnOverLongValueFailsWithoutWritingPastTheBuffer) {
    {
        auto key = open();
        key->write("name0", ValueType::Text, "Wuffle", 7);
        key->write("odd", ValueType::Text, "abc", 3);  // stored without its terminator
    }
    auto key = open();
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_FALSE(key->read("name0", buffer, 6));
    EXPECT_EQ(buffer[6], '#');
    EXPECT_FALSE(key->read("missing", buffer, 16));
    EXPECT_FALSE(key->read("name0", nullptr, 16));
    // A text without terminator still reads as a terminated text, or fails.
    std::memset(buffer, '#', sizeof buffer);
    ASSERT_TRUE(key->read("odd", buffer, 16));
    EXPECT_STREQ(buffer, "abc");
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_FALSE(key->read("odd", buffer, 3));
    EXPECT_EQ(buffer[3], '#');
}

TEST_F(SettingsTest, NamesAndTextsWithAnyBytesAreEscapedOneValueALine) {
    const std::string name = "we\"ird\\ name=\n\x01\xC3\xA9";
    const std::string text = "line\nbreak \"quoted\" back\\slash \t\x7F\xFF end";
    {
        auto key = open();
        ASSERT_TRUE(key->write(name.c_str(), ValueType::Text, text.c_str(), static_cast<std::uint32_t>(text.size() + 1)));
        const char inner[] = {'a', '\0', 'b', '\0'};
        ASSERT_TRUE(key->write("inner zero", ValueType::Text, inner, 4));
        const std::uint16_t shortNumber = 7;
        ASSERT_TRUE(key->write("short number", ValueType::Number, &shortNumber, 2));
    }
    const std::string content = stored();
    EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 4);
    for (unsigned char c : content) EXPECT_TRUE(c == '\n' || (c >= 32 && c < 127)) << int(c);

    auto key = open();
    char buffer[256];
    ASSERT_TRUE(key->read(name.c_str(), buffer, sizeof buffer));
    EXPECT_EQ(std::string(buffer), text);
    char inner[4] = {};
    ASSERT_TRUE(key->read("inner zero", inner, 4));
    EXPECT_EQ(inner[2], 'b');
    std::uint16_t shortNumber = 0;
    ASSERT_TRUE(key->read("short number", &shortNumber, 2));
    EXPECT_EQ(shortNumber, 7);
}

TEST_F(SettingsTest, DamagedLinesCountAsMissingAndTheRestIsKept) {
    writeFile(file(),
              "[Software\\harrowdine\\harrowdine Kelvary]\r\n"
              "\"name0\"=\"Wuffle\"\r\n"
              "\"name1\"=\"cut off\n"
              "\"score0\"=dword:000f\n"
              "\"score1\"=dword:0000zz01\n"
              "\"hasSound\"=hex:0\n"
              "garbage without quotes\n"
              "\"bad escape\"=\"\\q\"\n"
              "\"odd type\"=float:1.5\n"
              "\"score2\"=dword:00000010\n"
              "\"fullScreen\"=hex:01,");
    {
        auto key = open();
        ASSERT_TRUE(key);
        char name[256];
        std::uint32_t score = 0;
        ASSERT_TRUE(key->read("name0", name, sizeof name));
        EXPECT_STREQ(name, "Wuffle");
        ASSERT_TRUE(key->read("score2", &score, 4));
        EXPECT_EQ(score, 16u);
        for (const char* lost : {"name1", "score0", "score1", "hasSound", "bad escape", "odd type", "fullScreen"})
            EXPECT_FALSE(key->query(lost)) << lost;
        const std::uint8_t on = 1;
        key->write("hasSound", ValueType::Bytes, &on, 1);
    }
    const auto values = SettingsFile::parse(stored());
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].name, "name0");
    EXPECT_EQ(values[1].name, "score2");
    EXPECT_EQ(values[2].name, "hasSound");
}

TEST_F(SettingsTest, AnInterruptedSaveLeavesTheStoredFileIntact) {
    {
        auto key = open();
        key->write("name0", ValueType::Text, "Before", 7);
    }
    const std::string before = stored();
    interruptNextSettingsSave(*platform);
    {
        auto key = open();
        key->write("name0", ValueType::Text, "After", 6);
        const std::uint32_t score = 5;
        key->write("score0", ValueType::Number, &score, 4);
    }
    EXPECT_EQ(stored(), before);
    // Only that one save was interrupted: the next one goes through, whatever was left behind.
    {
        auto key = open();
        char name[256];
        ASSERT_TRUE(key->read("name0", name, sizeof name));
        EXPECT_STREQ(name, "Before");
        key->write("name0", ValueType::Text, "Later", 6);
    }
    EXPECT_NE(stored().find("\"Later\""), std::string::npos);
}

TEST_F(SettingsTest, AStoreThatCannotBeUsedGivesNoKey) {
    std::filesystem::create_directory(file());  // a folder where the file belongs
    EXPECT_FALSE(open());
    std::filesystem::remove(file());

    writeFile(folder.file("plain-file"), "x");
    Options options;
    options.settingsFolder = folder.file("plain-file");  // the folder is a file
    EXPECT_FALSE(createSdlPlatform(options)->openSettings("harrowdine", "harrowdine Kelvary"));

    options.settingsFolder = folder.file("new/deeper");  // missing folders are made
    auto key = createSdlPlatform(options)->openSettings("harrowdine", "harrowdine Kelvary");
    EXPECT_TRUE(key);
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("new/deeper")));

    EXPECT_FALSE(SettingsFile::save(folder.file("no-such-folder/settings.txt"), "text"));
}

TEST(SettingsPlaceTest, WithoutAFolderTheKeyLivesInThePerUserDataFolder) {
    TempFolder home;
    const char* previous = std::getenv("XDG_DATA_HOME");
    const std::string saved = previous ? previous : "";
    setenv("XDG_DATA_HOME", home.path().c_str(), 1);
    {
        auto platform = createSdlPlatform(Options{});
        auto key = platform->openSettings("harrowdine", "harrowdine Kelvary");
        ASSERT_TRUE(key);
        const std::uint8_t on = 1;
        key->write("hasSound", ValueType::Bytes, &on, 1);
    }
    if (previous) setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else unsetenv("XDG_DATA_HOME");
    EXPECT_NE(readFile(home.file("harrowdine/Kelvary/settings.txt")).find("\"hasSound\"=hex:01"), std::string::npos);
}

}  // namespace
}  // namespace platform::sdl::test

// The settings key in its per-user file: typed values, escaping, damaged files, unusable stores.
#include <gtest/gtest.h>

#include <cstring>

#include "SdlTestSupport.h"
#include "platform/sdl/BrowserSettingsText.h"
#include "platform/sdl/SettingsFile.h"

namespace platform::sdl::test {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    std::unique_ptr<SettingsKey> open() { return platform->openSettings("harrowdine", "harrowdine Kelvary"); }
    std::string stored() const { return readTextFile(file); }
    void store(const char* name, ValueType type, const void* data, std::uint32_t size)
    {
        auto key = open();
        ASSERT_TRUE(key && key->write(name, type, data, size));
    }

    TempFolder folder;
    std::string file = folder.file("settings.txt");
    std::unique_ptr<Platform> platform = createSdlPlatform(Options{0, folder.path().string()});
};

TEST_F(SettingsTest, EveryTypeSurvivesAReopenInAReadableFileWrittenOnlyWhenSomethingChanged)
{
    {
        ASSERT_TRUE(open());
    }
    EXPECT_FALSE(std::filesystem::exists(file));  // opening alone stores nothing
    {
        auto key = open();
        const std::uint32_t score = 1000000;
        const std::uint8_t sound = 1, blob[3] = {0x00, 0xAB, 0xFF};
        EXPECT_TRUE(key->write("name0", ValueType::Text, "Wuffle", 7));
        EXPECT_TRUE(key->write("score0", ValueType::Number, &score, 4));
        EXPECT_TRUE(key->write("hasSound", ValueType::Bytes, &sound, 1));
        EXPECT_TRUE(key->write("blob", ValueType::Bytes, blob, 3));
        EXPECT_TRUE(key->write("empty", ValueType::Bytes, nullptr, 0));
    }
    EXPECT_EQ(stored(), "[Software\\harrowdine\\harrowdine Kelvary]\n\"name0\"=\"Wuffle\"\n"
                        "\"score0\"=dword:000f4240\n\"hasSound\"=hex:01\n\"blob\"=hex:00,ab,ff\n\"empty\"=hex:\n");
    writeFile(file, stored() + "; a note that a rewrite would drop\n");
    auto key = open();
    char name[256];
    std::uint32_t score = 0;
    std::uint8_t sound = 0, blob[3] = {}, nothing = 9;
    EXPECT_TRUE(key->read("name0", name, sizeof name) && std::strcmp(name, "Wuffle") == 0);
    EXPECT_TRUE(key->read("score0", &score, 4) && score == 1000000u);
    EXPECT_TRUE(key->read("HASSOUND", &sound, 1) && sound == 1);  // names compare as the registry's do
    EXPECT_TRUE(key->read("blob", blob, 3) && blob[2] == 0xFF);
    EXPECT_TRUE(key->read("empty", &nothing, 1) && nothing == 9);
    EXPECT_TRUE(key->write("hasSound", ValueType::Bytes, &sound, 1));  // the same value again
    key.reset();
    EXPECT_NE(stored().find("; a note"), std::string::npos);
}

TEST_F(SettingsTest, ValuesAreReadWhateverTheirTypeWhenTheyFitAndNeverPastTheBuffer)
{
    const std::uint8_t on = 1;
    store("fullScreen", ValueType::Bytes, &on, 1);
    store("name0", ValueType::Text, "Wuffle", 7);
    store("odd", ValueType::Text, "abc", 3);  // a text stored without its terminator
    auto key = open();
    std::uint32_t wide = 0xAAAAAAAA;
    ASSERT_TRUE(key->read("fullScreen", &wide, 4));
    EXPECT_EQ(wide, 0xAAAAAA01u);  // one byte copied, the rest as it was
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_FALSE(key->read("name0", buffer, 4));  // too long: its first 4 bytes, nothing beyond
    EXPECT_EQ(std::string(buffer, 5), "Wuff#");
    EXPECT_FALSE(key->read("odd", buffer, 3));  // no room for the terminator it lacks
    EXPECT_EQ(std::string(buffer, 5), "abcf#");
    EXPECT_FALSE(key->read("missing", buffer, 16));
    EXPECT_FALSE(key->read("name0", nullptr, 16));
    ASSERT_TRUE(key->read("odd", buffer, 16));
    EXPECT_STREQ(buffer, "abc");
}

TEST_F(SettingsTest, NamesAndTextsWithAnyBytesAreEscapedOneValueALine)
{
    const std::string name = "we\"ird\\ name=\n\x01\xC3\xA9", text = "a\nb \"q\" c\\d \t\x7F\xFF";
    const char inner[] = {'a', '\0', 'b', '\0'};
    const std::uint16_t shortNumber = 7;
    {
        auto key = open();
        key->write(name.c_str(), ValueType::Text, text.c_str(), static_cast<std::uint32_t>(text.size() + 1));
        key->write("inner zero", ValueType::Text, inner, 4);
        key->write("short number", ValueType::Number, &shortNumber, 2);
    }
    const std::string content = stored();
    EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 4);
    for (unsigned char c : content)
        ASSERT_TRUE(c == '\n' || (c >= 32 && c < 127)) << int(c);
    auto key = open();
    char buffer[256], innerBack[4];
    std::uint16_t numberBack = 0;
    EXPECT_TRUE(key->read(name.c_str(), buffer, sizeof buffer) && buffer == text);
    EXPECT_TRUE(key->read("inner zero", innerBack, 4) && std::memcmp(inner, innerBack, 4) == 0);
    EXPECT_TRUE(key->read("short number", &numberBack, 2) && numberBack == 7);
}

TEST_F(SettingsTest, DamagedLinesCountAsMissingAndTheRestIsKept)
{
    writeFile(file, "[Software\\harrowdine\\harrowdine Kelvary]\r\n\"name0\"=\"Wuffle\"\r\n\"name1\"=\"cut off\n"
                    "\"score0\"=dword:000f\n\"score1\"=dword:0000zz01\n\"hasSound\"=hex:0\ngarbage\n"
                    "\"escape\"=\"\\q\"\n\"type\"=float:1.5\n\"score2\"=dword:00000010\n\"fullScreen\"=hex:01,");
    {
        auto key = open();
        ASSERT_TRUE(key);
        for (const char* lost : {"name1", "score0", "score1", "hasSound", "escape", "type", "fullScreen"})
            EXPECT_FALSE(key->query(lost)) << lost;
        const std::uint8_t on = 1;
        key->write("hasSound", ValueType::Bytes, &on, 1);
    }
    const auto values = SettingsFile::parse(stored());
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].name + values[1].name + values[2].name, "name0score2hasSound");
}

TEST_F(SettingsTest, AStoreThatCannotBeUsedGivesNoKeyAndMissingFoldersAreMade)
{
    std::filesystem::create_directory(file);  // a folder where the file belongs
    EXPECT_FALSE(open());
    writeFile(folder.file("plain"), "x");
    EXPECT_FALSE(createSdlPlatform(Options{0, folder.file("plain")})->openSettings("a", "b"));
    EXPECT_TRUE(createSdlPlatform(Options{0, folder.file("new/deeper")})->openSettings("a", "b"));
    EXPECT_FALSE(SettingsFile::save(folder.file("no-such-folder/settings.txt"), "text"));
}

TEST(BrowserSettingsTest, TheKeysItemIsReadWholeAndEarlierItemsOnlyWithTheirOwnValue)
{
    const std::string path = "Software\\harrowdine\\harrowdine Kelvary";
    auto names = [](const std::vector<SettingsValue>& values) {
        std::string text;
        for (const auto& value : values)
            text += value.name + "=" + std::to_string(value.data.empty() ? -1 : value.data[0]) + " ";
        return text;
    };
    // The whole key as the desktop's file holds it; a damaged line counts as missing.
    const std::string whole =
        SettingsFile::format(path, {{"hasSound", ValueType::Bytes, {0}}, {"fullScreen", ValueType::Bytes, {1}}});
    EXPECT_EQ(names(BrowserSettingsText::values(path, "K" + whole)), "hasSound=0 fullScreen=1 ");
    EXPECT_EQ(names(BrowserSettingsText::values(path, "K" + whole + "\"score0\"=dword:zz\n")),
              "hasSound=0 fullScreen=1 ");
    // Another key's text (even one of the same length), or text that is no key at all, is an
    // empty key.
    EXPECT_EQ(
        names(BrowserSettingsText::values(path, "K" + SettingsFile::format("Software\\harrowdine\\harrowdine Kelvarx",
                                                                           {{"hasSound", ValueType::Bytes, {0}}}))),
        "");
    EXPECT_EQ(names(BrowserSettingsText::values(path, "K\"hasSound\"=hex:00\n")), "");
    // Earlier versions: one item per value; an item holding another value's line is foreign.
    EXPECT_EQ(names(BrowserSettingsText::values(
                  path, "VhasSound\t\"hasSound\"=hex:00\nfullScreen\t\"hasSound\"=hex:01\nname0\tgarbage\n")),
              "hasSound=0 ");
    // Storage blocked, or nothing stored.
    EXPECT_EQ(names(BrowserSettingsText::values(path, "N")), "");
    EXPECT_EQ(names(BrowserSettingsText::values(path, "")), "");
}

}  // namespace
}  // namespace platform::sdl::test

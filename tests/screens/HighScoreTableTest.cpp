#include <cstring>
#include <string>

#include "ScreenTestSupport.h"
#include "screens/HighScoreTable.h"

namespace screens_test {
namespace {

class HighScoreTableTest : public ScreenTest {
protected:
    // The table as stored now (loading also creates any missing value).
    HighScoreTable stored()
    {
        HighScoreTable table;
        table.load();
        return table;
    }

    void expectEntry(const HighScoreTable& table, int index, const char* name, std::uint32_t score)
    {
        EXPECT_STREQ(table.names[index], name) << "entry " << index;
        EXPECT_EQ(table.scores[index], score) << "entry " << index;
    }

    void expectDefaults(const HighScoreTable& table)
    {
        const char* names[] = {"Wuffle", "Wuffle", "Wuffle", "Dravi", "Dravi",
                               "Dravi",  "Pelko",  "Pelko",  "Pelko", "Pelko"};
        const std::uint32_t scores[] = {1000000, 800000, 600000, 100000, 80000, 60000, 10000, 8000, 6000, 4000};
        for (int i = 0; i < HighScoreTable::HighScoreTableSize; ++i)
            expectEntry(table, i, names[i], scores[i]);
    }
};

TEST_F(HighScoreTableTest, AnEmptyStoreLoadsTheBuiltInTableAndStoresAllTwentyValues)
{
    for (const char* name : {"name0", "score0", "name9", "score9"})
        EXPECT_FALSE(storedValueExists(app(), name)) << name;

    expectDefaults(stored());

    for (int i = 0; i < HighScoreTable::HighScoreTableSize; ++i) {
        const std::string name = "name" + std::to_string(i);
        const std::string score = "score" + std::to_string(i);
        std::uint32_t value = 0;
        EXPECT_TRUE(storedNumber(app(), score.c_str(), value)) << score;
        EXPECT_EQ(storedText(app(), name.c_str()), stored().names[i]);
        EXPECT_EQ(value, stored().scores[i]);
    }
}

TEST_F(HighScoreTableTest, AMissingScoreTakesItsDefaultBesideTheStoredName)
{
    // Every value but score 4, written as another run would have left them.
    app().openSettings();
    for (int i = 0; i < HighScoreTable::HighScoreTableSize; ++i) {
        const std::string name = "name" + std::to_string(i);
        const std::string score = "score" + std::to_string(i);
        const std::string player = "Player" + std::to_string(i);
        const std::uint32_t points = 5000u - static_cast<std::uint32_t>(i);
        app().writeString(name.c_str(), player.c_str());
        if (i != 4)
            app().writeDword(score.c_str(), &points, 4);
    }
    app().closeSettings();

    const HighScoreTable table = stored();
    expectEntry(table, 3, "Player3", 4997);
    expectEntry(table, 4, "Player4", 80000);
    expectEntry(table, 5, "Player5", 4995);
    std::uint32_t value = 0;
    EXPECT_TRUE(storedNumber(app(), "score4", value));
    EXPECT_EQ(value, 80000u);
}

TEST_F(HighScoreTableTest, QualifyingNeedsMoreThanTheTenthScore)
{
    EXPECT_FALSE(HighScoreTable::qualifies(4000));  // also stores the defaults
    EXPECT_TRUE(HighScoreTable::qualifies(4001));
    EXPECT_TRUE(storedValueExists(app(), "name9"));
    EXPECT_FALSE(HighScoreTable::qualifies(0));
    // Compared unsigned: a score past the signed range still beats the table.
    EXPECT_TRUE(HighScoreTable::qualifies(0x80000000u));
}

TEST_F(HighScoreTableTest, InsertionPlacesTheResultBelowEqualScoresAndDropsTheTenth)
{
    HighScoreTable table;
    table.reset();
    HighScoreTable::insert("Equal", 600000);
    HighScoreTable after = stored();
    expectEntry(after, 2, "Wuffle", 600000);
    expectEntry(after, 3, "Equal", 600000);
    expectEntry(after, 4, "Dravi", 100000);
    expectEntry(after, 9, "Pelko", 6000);  // the old tenth ("Pelko", 4000) is gone

    table.reset();
    HighScoreTable::insert("Best", 1000001);
    after = stored();
    expectEntry(after, 0, "Best", 1000001);
    expectEntry(after, 1, "Wuffle", 1000000);
    expectEntry(after, 9, "Pelko", 6000);

    table.reset();
    HighScoreTable::insert("Ninth", 5000);
    after = stored();
    expectEntry(after, 8, "Pelko", 6000);
    expectEntry(after, 9, "Ninth", 5000);
    expectEntry(after, 7, "Pelko", 8000);

    // Unsigned order, and an empty name is stored as it is.
    table.reset();
    HighScoreTable::insert("", 3000000000u);
    after = stored();
    expectEntry(after, 0, "", 3000000000u);
    expectEntry(after, 1, "Wuffle", 1000000);
}

TEST_F(HighScoreTableTest, TheFirstResultEverIsPlacedAgainstTheStoredDefaults)
{
    ASSERT_TRUE(HighScoreTable::qualifies(70000));
    HighScoreTable::insert("First", 70000);
    const HighScoreTable after = stored();
    expectEntry(after, 4, "Dravi", 80000);
    expectEntry(after, 5, "First", 70000);
    expectEntry(after, 6, "Dravi", 60000);
}

TEST_F(HighScoreTableTest, AStoredNameLongerThanTheBufferKeepsItsFirst255Characters)
{
    const std::string longName(400, 'q');
    app().openSettings();
    app().writeString("name1", longName.c_str());
    app().closeSettings();

    const HighScoreTable table = stored();
    EXPECT_EQ(std::strlen(table.names[1]), 255u);
    EXPECT_EQ(std::string(table.names[1]), longName.substr(0, 255));
    EXPECT_STREQ(table.names[2], "Wuffle");

    // Moving it down a place while inserting stores the cut name, never more.
    HighScoreTable::insert("Top", 2000000);
    EXPECT_EQ(storedText(app(), "name2"), longName.substr(0, 255));
    EXPECT_EQ(stored().names[0], std::string("Top"));
}

TEST_F(HighScoreTableTest, ResetRestoresTheBuiltInTableInMemoryAndInTheStore)
{
    HighScoreTable::insert("Someone", 900000);
    HighScoreTable table = stored();
    EXPECT_STREQ(table.names[1], "Someone");
    table.reset();
    expectDefaults(table);
    expectDefaults(stored());
}

}  // namespace
}  // namespace screens_test

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
};

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

}  // namespace
}  // namespace screens_test

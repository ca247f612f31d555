#include <string>

#include "ScreenTestSupport.h"

namespace screens_test {
namespace {

using HighScoreTableTest = ScreenTest;

TEST_F(HighScoreTableTest, QualifyingNeedsMoreThanTheTenthScore)
{
    EXPECT_FALSE(HighScoreTable::qualifies(4000));  // also stores the defaults
    EXPECT_TRUE(HighScoreTable::qualifies(4001));
    EXPECT_EQ(storedText(app(), "name9"), "Pelko");
    EXPECT_FALSE(HighScoreTable::qualifies(0));
    // Compared unsigned: a score past the signed range still beats the table.
    EXPECT_TRUE(HighScoreTable::qualifies(0x80000000u));
}

TEST_F(HighScoreTableTest, InsertionPlacesTheResultBelowEqualScoresAndDropsTheTenth)
{
    // Equal scores stay above; the top and the ninth place; unsigned order and an empty name.
    const struct {
        const char* name;
        std::uint32_t score;
        int place;
    } cases[] = {{"Equal", 600000, 3}, {"Best", 1000001, 0}, {"Ninth", 5000, 9}, {"", 3000000000u, 0}};
    for (const auto& c : cases) {
        HighScoreTable().reset();
        HighScoreTable::insert(c.name, c.score);
        EXPECT_EQ(storedTable(), defaultsWith(c.place, c.name + (" " + std::to_string(c.score))));
    }
}

TEST_F(HighScoreTableTest, LoadingCutsALongNameToTheBufferAndStoresTheDefaultOfEachMissingValue)
{
    const std::string longName(400, 'q');
    const std::uint32_t top = 4000000000u;
    app().openSettings();
    app().writeString("name1", longName.c_str());
    app().writeDword("score0", &top, 4);
    app().closeSettings();

    HighScoreTable table;
    table.load();
    EXPECT_EQ(std::string(table.names[1]), longName.substr(0, 255));
    EXPECT_EQ(table.scores[0], top);
    EXPECT_STREQ(table.names[2], "Wuffle");
    EXPECT_EQ(storedNumber(app(), "score4"), 80000u);

    // Moving it down a place while inserting stores the cut name, never more.
    HighScoreTable::insert("Next", 2000000);
    EXPECT_EQ(storedText(app(), "name1"), "Next");
    EXPECT_EQ(storedText(app(), "name2"), longName.substr(0, 255));
}

}  // namespace
}  // namespace screens_test

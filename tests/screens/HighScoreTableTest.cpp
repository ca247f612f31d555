#include <string>

#include "ScreenTestSupport.h"

namespace screens_test {
namespace {

using HighScoreTableTest = ScreenTest;

TEST_F(HighScoreTableTest, QualifyingNeedsMoreThanTheTenthScore)
{
    EXPECT_FALSE(HighScoreTable::qualifies(4000));
    EXPECT_TRUE(HighScoreTable::qualifies(4001));
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
        // The tenth drops out rather than moving to an eleventh place.
        EXPECT_EQ(storedText(app(), "name10") + std::to_string(storedNumber(app(), "score10")), "0");
    }
}

TEST_F(HighScoreTableTest, LoadingCutsALongNameToTheBufferAndStoresTheDefaultOfEachMissingValue)
{
    const std::string longName(400, 'q');
    app().openSettings();
    app().writeString("name1", longName.c_str());
    app().closeSettings();

    HighScoreTable table;
    table.load();
    EXPECT_EQ(std::string(table.names[1]), longName.substr(0, 255));
    EXPECT_EQ(storedNumber(app(), "score4"), 80000u);
}

}  // namespace
}  // namespace screens_test

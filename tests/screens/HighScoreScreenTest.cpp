#include <string>

#include "ScreenTestSupport.h"
#include "screens/HighScoreScreen.h"

namespace screens_test {
namespace {

// The box at (200, 110), 400 x 380: row i spans x 240..560, y 180 + 25 i .. 200 + 25 i.
constexpr int rowLeft = 240;
constexpr int rowRight = 560;
constexpr int rowTop(int row) { return 180 + 25 * row; }

class HighScoreBoxTest : public MenuTest {
protected:
    HighScoreScreen& openHighScores()
    {
        if (!rootWidget)
            openMenu();
        click(highScoresSpot.x, highScoresSpot.y);
        return *dynamic_cast<HighScoreScreen*>(panel());
    }

    // Whether row `row` as drawn shows `name` on the left and `score` on the right, drawn
    // in white "Arial" 16 on the box's fill.
    void expectRow(int row, const char* name, const char* score)
    {
        const int top = rowTop(row);
        const auto drawn = region(rowLeft, top, rowRight, top + 20);
        EXPECT_EQ(drawn,
                  referenceText(rowLeft, top, rowRight, top + 20, {{0, name}, {2, score}}, 16, 0xFFFFFF, 0x000022))
            << "row " << row << ": " << name << " " << score;
        EXPECT_GT(countOther(rowLeft, top, rowRight, top + 20, 0x000022), 0);
    }

    void storeEntry(int index, const char* name, std::uint32_t score)
    {
        const std::string nameValue = "name" + std::to_string(index);
        const std::string scoreValue = "score" + std::to_string(index);
        app().openSettings();
        app().writeString(nameValue.c_str(), name);
        app().writeDword(scoreValue.c_str(), &score, 4);
        app().closeSettings();
    }
};

TEST_F(HighScoreBoxTest, TheFirstStartShowsTheDefaultsAndStoresThem)
{
    openHighScores();
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(storedValueExists(app(), ("score" + std::to_string(i)).c_str())) << i;

    ASSERT_TRUE(frame());
    EXPECT_EQ(colourAt(200, 110), 0xFF9900u);
    EXPECT_EQ(colourAt(205, 300), 0x000022u);
    screenshot("highscore-box");
    expectRow(0, "Wuffle", "1000000");
    expectRow(3, "Dravi", "100000");
    expectRow(9, "Pelko", "4000");
}

TEST_F(HighScoreBoxTest, AMissingScoreShowsItsDefaultAndScoresArePlainUnsignedDecimals)
{
    // A store with every value but score 4; entry 0 past the signed range.
    storeEntry(0, "Top", 4000000000u);
    for (int i = 1; i < 10; ++i) {
        if (i != 4)
            storeEntry(i, ("Row" + std::to_string(i)).c_str(), 9000u - static_cast<std::uint32_t>(i));
    }
    app().openSettings();
    app().writeString("name4", "Row4");
    app().closeSettings();
    ASSERT_FALSE(storedValueExists(app(), "score4"));
    HighScoreScreen& box = openHighScores();
    EXPECT_EQ(box.getTable().scores[0], 4000000000u);
    ASSERT_TRUE(frame());
    expectRow(0, "Top", "4000000000");
    expectRow(1, "Row1", "8999");
    expectRow(4, "Row4", "80000");
    expectRow(9, "Row9", "8991");
    std::uint32_t stored = 0;
    EXPECT_TRUE(storedNumber(app(), "score4", stored));
    EXPECT_EQ(stored, 80000u);
}

TEST_F(HighScoreBoxTest, ResetActsOnTheFirstClickAndShowsTheDefaultsFromTheNextFrame)
{
    storeEntry(0, "Quill", 2500000);
    HighScoreScreen& box = openHighScores();
    ASSERT_TRUE(frame());
    expectRow(0, "Quill", "2500000");

    move(resetSpot.x, resetSpot.y);
    EXPECT_EQ(box.getChild(HighScoreScreen::ResetButton)->getFrame(), 1);
    EXPECT_EQ(box.getChild(HighScoreScreen::OkButton)->getFrame(), 0);
    press(resetSpot.x, resetSpot.y);
    EXPECT_EQ(panel(), &box);  // the box stays open
    EXPECT_EQ(storedText(app(), "name0"), "Wuffle");
    ASSERT_TRUE(frame());
    expectRow(0, "Wuffle", "1000000");

    click(highScoresOkSpot.x, highScoresOkSpot.y);
    EXPECT_EQ(panel(), nullptr);
}

}  // namespace
}  // namespace screens_test

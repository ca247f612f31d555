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
        EXPECT_NE(drawn, std::vector<std::uint32_t>(drawn.size(), 0x000022u));  // not blank
    }
};

TEST_F(HighScoreBoxTest, RowsShowUnsignedScoresAndResetActsOnTheFirstClickAndShowsTheDefaultsFromTheNextFrame)
{
    const std::uint32_t top = 4000000000u;  // past the signed range
    app().openSettings();
    app().writeString("name0", "Top");
    app().writeDword("score0", &top, 4);
    app().closeSettings();
    HighScoreScreen& box = openHighScores();
    ASSERT_TRUE(frame());
    expectRow(0, "Top", "4000000000");
    expectRow(9, "Pelko", "4000");
    screenshot("highscore-box");

    move(resetSpot.x, resetSpot.y);
    EXPECT_EQ(box.getChild(HighScoreScreen::ResetButton)->getFrame(), 1);
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

#include <gtest/gtest.h>

#include <climits>

#include "support/TestBoard.h"
#include "game/Block.h"

namespace {

// A 2 waits at (5,4): turning the group at (4,4) counter-clockwise moves it to (4,4) and
// closes the upright square (3,3), (4,3), (3,4), (4,4), and nothing else.
const std::array<const char*, 8> oneMoveToASquare = {
    "........", "........", "........", "...22...", "...2.2..", "........", "........", "........",
};

// The move at (3,6) closes a square of 2 in rows 6 and 7; columns 2 and 3 drop two cells,
// which brings the 3s of column 2 beside those of column 1: a second square.
const std::array<const char*, 8> cascade = {
    "........", "........", "........", "..3.....", "..3.....", ".3......", ".3222...", "..2.....",
};

}  // namespace

TEST(BoardScoring, FirstSuccessfulMoveScoresTheAreaAndClearsInFiveTicks)
{
    TestBoard board;
    board.setKinds(oneMoveToASquare);
    board.rules.makeMove(4, 4, true);
    EXPECT_EQ(board.rules.getTimeLeft(), 995) << "a move at level 1 costs 5";
    for (int i = 0; i < 3; ++i) {
        board.tick();
        EXPECT_TRUE(board.rules.isMoving());
    }
    board.tick();  // at rest: the scan
    ASSERT_TRUE(board.rules.isRemoving());
    EXPECT_EQ(board.rules.getSquareList().getCount(), 1);
    EXPECT_EQ(board.rules.getChain(), 1);
    EXPECT_EQ(board.rules.getCombo(), 1);
    EXPECT_EQ(board.rules.getScore(), 2);
    EXPECT_EQ(board.rules.getLastPoints(), 2);
    EXPECT_EQ(board.rules.getTimeLeft(), 995 - 4 + 50);
    EXPECT_FALSE(board.rules.isPlayerMoved());
    EXPECT_EQ(board.listener.popupShown, 1);
    EXPECT_EQ(board.listener.shown(BoardCounter::Score), 2);
    EXPECT_EQ(board.listener.shown(BoardCounter::Chain), 1);
    EXPECT_EQ(board.listener.shown(BoardCounter::Combo), 1);
    EXPECT_EQ(board.listener.sounds, std::vector<BoardSound>{BoardSound::FirstChain});

    // Five clearing frames, the outline fading by four bits a tick; then the collapse.
    const int fading[] = {0x0FFFFF, 0x00FFFF, 0x000FFF, 0x0000FF, 0x00000F};
    for (int step = 0; step < 5; ++step) {
        EXPECT_EQ(board.listener.popupHidden, 0);
        EXPECT_EQ(board.rules.getCell(3, 3)->getFrame(), step);
        board.tick();
        EXPECT_EQ(board.rules.getOutlineColour(), fading[step]);
    }
    EXPECT_FALSE(board.rules.isRemoving());
    EXPECT_TRUE(board.rules.isMoving());
    EXPECT_EQ(board.listener.popupHidden, 1);
    EXPECT_EQ(board.rules.getSquareList().getCount(), 0);
    EXPECT_EQ(board.rules.getRemovedCount(), 4);
    EXPECT_TRUE(board.keepsInvariants());
}

TEST(BoardScoring, CascadeRaisesChainButNotComboAndAFruitlessMoveResetsCombo)
{
    TestBoard board;
    board.setKinds(cascade);
    board.play(3, 6, true);
    ASSERT_GE(board.listener.sounds.size(), 2u);
    EXPECT_EQ(board.listener.sounds[0], BoardSound::FirstChain);
    EXPECT_EQ(board.listener.sounds[1], BoardSound::Chain);
    EXPECT_EQ(board.listener.popupShown, static_cast<int>(board.listener.sounds.size()));
    EXPECT_EQ(board.rules.getScore(), 1 * 1 * 1 * 2 + 2 * 1 * 1 * 2);
    EXPECT_EQ(board.rules.getCombo(), 1);
    EXPECT_EQ(board.rules.getChain(), 0) << "the board came to rest without a square";
    EXPECT_EQ(board.rules.getRemovedCount(), 8);
    EXPECT_TRUE(board.atRest());

    // The quiet corner on the right: this turn makes nothing.
    const int shown = board.listener.popupShown;
    board.play(5, 1, true);
    EXPECT_EQ(board.listener.popupShown, shown);
    EXPECT_EQ(board.rules.getCombo(), 0);
    EXPECT_EQ(board.listener.shown(BoardCounter::Combo), 0);
    EXPECT_EQ(board.rules.getScore(), 6);
}

TEST(BoardScoring, PointsAndScoreSaturateAtTheLargestInt)
{
    TestBoard board;
    board.setKinds({"........", "........", "........", "..22....", "..22....", "........", "........", "........"});
    // Below the limit the points are exactly chain × combo × combo × area.
    board.rules.setCombo(1000);
    board.rules.addScore(INT_MAX - 2000001);
    ASSERT_TRUE(board.rules.scanBoard());
    EXPECT_EQ(board.rules.getLastPoints(), 2000000);
    EXPECT_EQ(board.rules.getScore(), INT_MAX - 1);
    // Past it, both hold at the largest int instead of wrapping round to a negative score.
    board.rules.addScore(-board.rules.getScore());
    board.rules.setCombo(46341);  // 46341² alone passes the largest int
    for (int scan = 0; scan < 2; ++scan) {
        ASSERT_TRUE(board.rules.scanBoard());
        EXPECT_EQ(board.rules.getLastPoints(), INT_MAX);
        EXPECT_EQ(board.rules.getScore(), INT_MAX);
    }
    EXPECT_EQ(board.listener.shown(BoardCounter::Score), INT_MAX);
    board.rules.addTime(INT_MAX);
    EXPECT_EQ(board.rules.getTimeLeft(), 2000);
}

TEST(BoardScoring, MovesAndTicksSpendTimeAndTheLastUnitEndsTheGame)
{
    TestBoard board;
    board.setKinds(oneMoveToASquare);
    board.rules.addScore(77);
    board.rules.setLevel(3);
    board.rules.spendTime(990);

    // A move dearer than the time left ends the game before the blocks travel.
    Block* const topRight = board.rules.getCell(5, 4);
    board.rules.makeMove(4, 4, true);
    EXPECT_FALSE(board.rules.isGameRunning());
    EXPECT_EQ(board.rules.getTimeLeft(), 0);
    EXPECT_EQ(board.listener.gameOvers, 1);
    EXPECT_EQ(board.listener.finalScore, 77);
    EXPECT_EQ(board.listener.sounds.back(), BoardSound::TimeUp);
    EXPECT_EQ(board.rules.getCell(4, 4), topRight);

    // After that nothing on the board changes, and the game ends only once.
    for (int i = 0; i < 10; ++i)
        board.rules.stepBoard();
    board.rules.makeMove(0, 0, true);
    board.rules.spendTime(1);
    EXPECT_EQ(topRight->getX(), BoardRules::cellX(5));
    EXPECT_EQ(board.rules.getSquareList().getCount(), 0);
    EXPECT_EQ(board.rules.getCell(0, 0)->getX(), BoardRules::cellX(0));
    EXPECT_EQ(board.listener.gameOvers, 1);

    TestBoard idle;
    idle.rules.setLevel(3);
    idle.rules.makeMove(0, 0, true);
    EXPECT_EQ(idle.rules.getTimeLeft(), 985) << "a move costs 5 per level";
    idle.rules.spendTime(983);
    idle.tick();
    EXPECT_TRUE(idle.rules.isGameRunning());
    idle.tick();
    EXPECT_FALSE(idle.rules.isGameRunning()) << "every tick costs one unit";
    EXPECT_EQ(idle.listener.finalScore, 0);
}

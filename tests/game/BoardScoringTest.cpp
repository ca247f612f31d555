#include <gtest/gtest.h>

#include <climits>

#include "support/TestBoard.h"
#include "ui/Block.h"

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

    // Past it, both hold at the largest int instead of wrapping round.
    board.rules.addScore(-board.rules.getScore());
    board.rules.setChain(0);
    board.rules.setCombo(46341);  // 46341² alone passes the largest int
    ASSERT_TRUE(board.rules.scanBoard());
    EXPECT_EQ(board.rules.getLastPoints(), INT_MAX);
    EXPECT_EQ(board.rules.getScore(), INT_MAX);
    EXPECT_EQ(board.listener.shown(BoardCounter::Score), INT_MAX);
    ASSERT_TRUE(board.rules.scanBoard());
    EXPECT_EQ(board.rules.getScore(), INT_MAX);

    board.rules.setCombo(INT_MAX);
    board.rules.setChain(INT_MAX - 1);
    ASSERT_TRUE(board.rules.scanBoard());
    EXPECT_EQ(board.rules.getLastPoints(), INT_MAX);
    EXPECT_EQ(board.rules.getScore(), INT_MAX);
}

TEST(BoardScoring, TimeBudgetHasACeiling)
{
    TestBoard board;
    board.rules.addTime(999);
    EXPECT_EQ(board.rules.getTimeLeft(), 1999);
    board.rules.addTime(5000);
    EXPECT_EQ(board.rules.getTimeLeft(), 2000);
    board.rules.addTime(INT_MAX);
    EXPECT_EQ(board.rules.getTimeLeft(), 2000);
}

TEST(BoardScoring, LevelAndTargetFollowTheRemovedCount)
{
    TestBoard board;
    board.rules.addRemoved(29);
    EXPECT_EQ(board.rules.getLevel(), 1);
    EXPECT_EQ(board.rules.getLevelTarget(), 30);
    board.rules.getCell(0, 5)->setMarked(true);
    board.rules.getCell(6, 2)->setMarked(true);
    board.rules.collapse();
    EXPECT_EQ(board.rules.getRemovedCount(), 31);
    EXPECT_EQ(board.rules.getLevel(), 2);
    EXPECT_EQ(board.rules.getLevelTarget(), 60);
    EXPECT_EQ(board.listener.shown(BoardCounter::Removed), 31);
    EXPECT_EQ(board.listener.shown(BoardCounter::Level), 2);
    EXPECT_EQ(board.listener.shown(BoardCounter::Target), 60);
    EXPECT_TRUE(board.keepsInvariants());
}

TEST(BoardScoring, MoveCostsFiveTimeUnitsPerLevel)
{
    TestBoard board;
    board.setKinds(TestBoard::quietRows);
    board.rules.setLevel(3);
    board.rules.makeMove(2, 2, true);
    EXPECT_EQ(board.rules.getTimeLeft(), 985);
    EXPECT_TRUE(board.rules.isGameRunning());
}

TEST(BoardScoring, MoveThatCostsMoreThanTheTimeLeftEndsTheGameAtOnce)
{
    TestBoard board;
    board.setKinds(oneMoveToASquare);
    board.rules.addScore(77);
    board.rules.setLevel(3);
    board.rules.spendTime(990);
    ASSERT_EQ(board.rules.getTimeLeft(), 10);

    Block* const topRight = board.rules.getCell(5, 4);
    board.rules.makeMove(4, 4, true);
    EXPECT_FALSE(board.rules.isGameRunning());
    EXPECT_EQ(board.rules.getTimeLeft(), 0);
    EXPECT_EQ(board.listener.gameOvers, 1);
    EXPECT_EQ(board.listener.finalScore, 77);
    EXPECT_EQ(board.listener.sounds, std::vector<BoardSound>{BoardSound::TimeUp});

    // The turned block never travels, and nothing on the board changes any more.
    EXPECT_EQ(board.rules.getCell(4, 4), topRight);
    for (int i = 0; i < 10; ++i)
        board.rules.stepBoard();
    EXPECT_EQ(topRight->getX(), BoardRules::cellX(5));
    EXPECT_EQ(board.rules.getScore(), 77);
    EXPECT_EQ(board.rules.getSquareList().getCount(), 0);
    board.rules.makeMove(0, 0, true);
    EXPECT_EQ(board.rules.getCell(0, 0)->getX(), BoardRules::cellX(0));
    board.rules.spendTime(1);
    EXPECT_EQ(board.listener.gameOvers, 1) << "the game ends once";
}

TEST(BoardScoring, EveryTickCostsOneUnit)
{
    TestBoard board;
    board.rules.spendTime(997);
    board.tick();
    board.tick();
    EXPECT_EQ(board.rules.getTimeLeft(), 1);
    EXPECT_TRUE(board.rules.isGameRunning());
    board.tick();
    EXPECT_EQ(board.rules.getTimeLeft(), 0);
    EXPECT_FALSE(board.rules.isGameRunning());
    EXPECT_EQ(board.listener.gameOvers, 1);
    EXPECT_EQ(board.listener.finalScore, 0);
}

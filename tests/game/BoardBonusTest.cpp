#include <gtest/gtest.h>

#include "support/TestBoard.h"
#include "game/Block.h"

namespace {

bool shown(const TestBoard& board) { return board.rules.getSpecialBlock()->getAlpha() == Widget::opaqueAlpha; }

int bonusBlocks(const TestBoard& board)
{
    int count = 0;
    for (int i = 0; i < BoardRules::cellCount; ++i)
        count += board.rules.getCell(i)->getKind() == Block::BonusWildKind ? 1 : 0;
    return count;
}

// Ticks through the scan of a move and its clearing, up to the tick of the collapse.
void playUntilCollapse(TestBoard& board, int x, int y, bool counterClockwise)
{
    board.rules.makeMove(x, y, counterClockwise);
    while (!board.rules.isRemoving() && board.rules.isMoving())
        board.tick();
    ASSERT_TRUE(board.rules.isRemoving()) << "the move made no square";
    while (board.rules.isRemoving())
        board.tick();
}

}  // namespace

TEST(BoardSpecial, ComesUpAtRestEveryFiftyBlocksAndGoesAtTheNextRest)
{
    TestBoard board;
    board.setKinds(TestBoard::quietRows);
    ASSERT_EQ(board.rules.getSpecialBlock()->getAlpha(), 0) << "hidden from the start";
    board.rules.addRemoved(39);
    // Turning one group to and fro on the quiet field never makes a square.
    board.play(2, 2, true);
    ASSERT_EQ(board.listener.popupShown, 0);
    EXPECT_FALSE(shown(board));
    EXPECT_EQ(board.listener.count(BoardSound::Special), 0);

    board.rules.addRemoved(1);
    board.play(2, 2, false);
    ASSERT_TRUE(shown(board)) << "40 cleared";
    const int kind = board.rules.getSpecialBlock()->getKind();
    EXPECT_GE(kind, 2);
    EXPECT_LE(kind, 6);
    EXPECT_EQ(board.rules.getLastSpecialAt(), 40);
    EXPECT_EQ(board.listener.count(BoardSound::Special), 1);

    board.play(2, 2, true);
    EXPECT_FALSE(shown(board)) << "the next rest without a square hides it";
    board.rules.addRemoved(49);
    board.play(2, 2, false);
    EXPECT_FALSE(shown(board));
    board.rules.addRemoved(1);
    board.play(2, 2, true);
    EXPECT_TRUE(shown(board)) << "50 more cleared";
    EXPECT_EQ(board.rules.getLastSpecialAt(), 90);
    EXPECT_EQ(board.listener.count(BoardSound::Special), 2);
    EXPECT_EQ(board.listener.popupShown, 0);
}

TEST(BoardSpecial, MatchedAtAllFourCornersGivesOneBonusWildBlock)
{
    TestBoard board;
    // The square closed by the turn at (4,4) has a wild corner; it still matches a 2.
    board.setKinds({"........", "........", "........", "...W2...", "...2.2..", "........", "........", "........"});
    board.rules.showSpecial();
    board.rules.getSpecialBlock()->setKind(2);
    playUntilCollapse(board, 4, 4, true);

    EXPECT_EQ(bonusBlocks(board), 1);
    bool amongTheNew = false;
    for (int cx : {3, 4}) {
        for (int row : {0, 1})
            amongTheNew = amongTheNew || board.rules.getCell(cx, row)->getKind() == Block::BonusWildKind;
    }
    EXPECT_TRUE(amongTheNew) << "the bonus goes to a block of this collapse";
    EXPECT_FALSE(shown(board));
    EXPECT_FALSE(board.rules.isSpecialMatched());
    EXPECT_TRUE(board.keepsInvariants());
}

TEST(BoardSpecial, SquareOfAnotherColourLeavesItStanding)
{
    TestBoard board;
    board.setKinds({"........", "........", "........", "...22...", "...2.2..", "........", "........", "........"});
    board.rules.showSpecial();
    board.rules.getSpecialBlock()->setKind(3);
    playUntilCollapse(board, 4, 4, true);
    EXPECT_EQ(bonusBlocks(board), 0);
    EXPECT_TRUE(shown(board)) << "shown through the squares of the move";
    board.settle();
    EXPECT_FALSE(shown(board)) << "and hidden at the rest after them";
}

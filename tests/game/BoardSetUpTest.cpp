#include <gtest/gtest.h>

#include "support/TestBoard.h"
#include "game/Block.h"

TEST(BoardSetUp, DealsTheSpecialBlockFirstThenTheGridInCellOrder)
{
    TestBoard board(4242);
    RandomGenerator random(4242);
    const auto kindOf = [&random] { return (random.pick(41) + 4) / 5 + 1; };
    EXPECT_EQ(board.rules.getSpecialBlock()->getKind(), kindOf());
    EXPECT_EQ(board.rules.getSpecialBlock()->getAlpha(), 0);
    EXPECT_EQ(board.owner.getChild(BoardOwner::specialSlot), board.rules.getSpecialBlock());
    for (int j = 0; j < BoardRules::cellCount; ++j) {
        Block* block = board.rules.getCell(j);
        ASSERT_EQ(board.owner.getChild(BoardOwner::firstCellSlot + j), block);
        EXPECT_EQ(block->getKind(), kindOf()) << j;
        EXPECT_EQ(block->getX(), 175 + 60 * (j % 8));
        EXPECT_EQ(block->getY(), 115 + 60 * (j / 8));
    }
    EXPECT_TRUE(board.rules.isIdle()) << "a fresh board waits for the first move";
    EXPECT_FALSE(board.rules.createBlocks(BoardOwner::specialSlot, 0, 0, BoardOwner::firstCellSlot))
        << "the blocks exist already";
}

TEST(BoardSetUp, RefusesSlotsThatDoNotFitTheOwner)
{
    BoardOwner owner;
    RecordingListener listener;
    BoardRules rules(owner, listener, nullptr, 5);
    EXPECT_FALSE(rules.createBlocks(11, 0, 0, 15)) << "the grid would run past child 77";
    EXPECT_FALSE(rules.createBlocks(20, 0, 0, 12)) << "the special block inside the grid";
    EXPECT_FALSE(rules.createBlocks(-1, 0, 0, 12));
    for (int i = 0; i < owner.getChildCount(); ++i)
        EXPECT_EQ(owner.getChild(i), nullptr);
    EXPECT_EQ(rules.getCell(0), nullptr);
    // Without blocks the rules find nothing and move nothing.
    EXPECT_FALSE(rules.scanBoard());
    rules.makeMove(0, 0, true);
    rules.stepBoard();
    rules.findHints();
    EXPECT_EQ(rules.getHintList().getCount(), 0);
}

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

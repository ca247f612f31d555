#include <gtest/gtest.h>

#include <array>

#include "game/RandomGenerator.h"
#include "game/Block.h"
#include "support/TestBoard.h"

TEST(Block, DrawsItsKindFromTheSharedGenerator)
{
    // The classic runtime sequence for seed 1 starts 41, 18467, 6334.
    RandomGenerator random(1);
    Block wild(nullptr, 0, 0, nullptr, 8, 5, random);    // t = 41 × 41 div 32768 = 0
    Block colour(nullptr, 0, 0, nullptr, 8, 5, random);  // t = 23: kind (23 + 4) div 5 + 1
    EXPECT_EQ(wild.getKind(), Block::WildKind);
    EXPECT_EQ(colour.getKind(), 6);
    EXPECT_EQ(colour.getFrame(), 20);
    EXPECT_EQ(random.next(), 6334);
}

TEST(Block, ShowsTheFirstCellOfItsColourAndCyclesWhenWild)
{
    RandomGenerator random(7);
    Block block(nullptr, 0, 0, nullptr, 8, 5, random);
    EXPECT_EQ(block.getFrameCount(), 40) << "without a picture the block keeps the picture's layout";
    block.setKind(3);
    EXPECT_EQ(block.getFrame(), 5);
    block.update();
    EXPECT_EQ(block.getFrame(), 5) << "an ordinary block stays still";
    block.setKind(Block::WildKind);
    for (int expected : {0, 5, 10, 15, 20, 25, 30, 35, 0}) {
        EXPECT_EQ(block.getFrame(), expected);
        block.update();
    }
    block.setKind(Block::BonusWildKind);
    block.update();
    EXPECT_EQ(block.getFrame(), 5);
}

TEST(Block, MatchesUnlessTwoDifferentColours)
{
    RandomGenerator random(3);
    Block a(nullptr, 0, 0, nullptr, 8, 5, random);
    Block b(nullptr, 0, 0, nullptr, 8, 5, random);
    const std::array<std::array<int, 3>, 7> cases = {
        {{2, 2, true}, {2, 1, true}, {0, 3, true}, {1, 1, true}, {0, 1, true}, {2, 3, false}, {9, 4, false}}};
    for (const auto& [first, second, match] : cases) {
        a.setKind(first);
        b.setKind(second);
        EXPECT_EQ(a.matches(b), match != 0) << first << " with " << second;
        EXPECT_EQ(b.matches(a), match != 0) << second << " with " << first;
    }
}

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
}

#include <gtest/gtest.h>

#include <array>

#include "game/RandomGenerator.h"
#include "media/Bitmap.h"
#include "ui/Block.h"
#include "ui/Widget.h"

TEST(RandomGenerator, DealsTheSameSequenceForTheSameSeed)
{
    // The classic runtime sequence for seed 1.
    RandomGenerator random(1);
    const std::array<int, 5> expected = {41, 18467, 6334, 26500, 19169};
    for (int value : expected)
        EXPECT_EQ(random.next(), value);

    RandomGenerator a(123456789);
    RandomGenerator b(0);
    b.seed(123456789);
    for (int i = 0; i < 1000; ++i) {
        const int value = a.next();
        ASSERT_EQ(value, b.next());
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

TEST(RandomGenerator, PickScalesTheValueAndAlwaysDraws)
{
    RandomGenerator random(1);
    EXPECT_EQ(random.pick(41), 0);      // 41 × 41 div 32768
    EXPECT_EQ(random.pick(41), 23);     // 18467 × 41 div 32768
    EXPECT_EQ(random.pick(0), 0);       // 6334 is drawn all the same
    EXPECT_EQ(random.pick(-3), 0);      // and 26500
    EXPECT_EQ(random.pick(32768), 19169);
}

TEST(Block, DrawsItsKindFromTheGenerator)
{
    RandomGenerator random(1);
    Block wild(nullptr, 0, 0, nullptr, 8, 5, random);   // t = 0
    Block colour(nullptr, 0, 0, nullptr, 8, 5, random); // t = 23: (23 + 4) div 5 + 1
    EXPECT_EQ(wild.getKind(), Block::WildKind);
    EXPECT_EQ(colour.getKind(), 6);
    EXPECT_EQ(colour.getFrame(), 20);
    EXPECT_FALSE(wild.isMarked());
    EXPECT_FALSE(colour.isMarked());

    std::array<int, 10> seen{};
    for (int i = 0; i < 41000; ++i) {
        Block block(nullptr, 0, 0, nullptr, 8, 5, random);
        ASSERT_GE(block.getKind(), 1);
        ASSERT_LE(block.getKind(), 9);
        ASSERT_FALSE(block.isMarked());
        ++seen[block.getKind()];
    }
    EXPECT_EQ(seen[0], 0);
    // About one block in 41 is wild; each colour about five in 41.
    EXPECT_GT(seen[1], 800);
    EXPECT_LT(seen[1], 1200);
    for (int kind = 2; kind <= 9; ++kind) {
        EXPECT_GT(seen[kind], 4500) << kind;
        EXPECT_LT(seen[kind], 5500) << kind;
    }
}

TEST(Block, ShowsTheFirstCellOfItsColourAndAnimatesWhenWild)
{
    RandomGenerator random(7);
    // The block picture: 5 columns of 30 × 30 cells, one row per colour.
    Bitmap picture("blocks.bmp", 150, 240, 5, 8, 40, 0, 0);
    Widget owner(nullptr, 10, 20, nullptr);
    Block pictured(&owner, 175, 115, &picture, 8, 5, random);
    Block bare(nullptr, 0, 0, nullptr, 8, 5, random);
    EXPECT_EQ(pictured.getWidth(), 30);
    EXPECT_EQ(pictured.getHeight(), 30);
    EXPECT_EQ(pictured.getOriginX(), 10);
    EXPECT_EQ(pictured.getOriginY(), 20);

    for (Block* block : {&pictured, &bare}) {
        EXPECT_EQ(block->getFrameCount(), 40);
        EXPECT_TRUE(block->isLooping());
        block->setKind(3);
        EXPECT_EQ(block->getFrame(), 5);
        block->update();
        EXPECT_EQ(block->getFrame(), 5) << "an ordinary block stays still";
        block->setKind(9);
        EXPECT_EQ(block->getFrame(), 35);

        block->setKind(Block::WildKind);
        EXPECT_EQ(block->getFrame(), 0);
        for (int expected : {5, 10, 15, 20, 25, 30, 35, 0}) {
            block->update();
            EXPECT_EQ(block->getFrame(), expected);
        }
        block->setKind(Block::BonusWildKind);
        block->update();
        EXPECT_EQ(block->getFrame(), 5);
    }
}

TEST(Block, MatchesUnlessTwoDifferentColours)
{
    RandomGenerator random(3);
    Block a(nullptr, 0, 0, nullptr, 8, 5, random);
    Block b(nullptr, 0, 0, nullptr, 8, 5, random);
    struct Case {
        int first;
        int second;
        bool match;
    };
    const Case cases[] = {{2, 2, true}, {2, 1, true}, {1, 2, true}, {0, 3, true},
                          {1, 1, true}, {0, 1, true}, {2, 3, false}, {9, 4, false}};
    for (const Case& c : cases) {
        a.setKind(c.first);
        b.setKind(c.second);
        EXPECT_EQ(a.matches(b), c.match) << c.first << " with " << c.second;
        EXPECT_EQ(b.matches(a), c.match) << c.second << " with " << c.first;
    }
}

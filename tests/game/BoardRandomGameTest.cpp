#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>

#include "support/TestBoard.h"
#include "ui/Block.h"

namespace {

struct GameRecord {
    std::string kinds;
    int ticks = 0;
    int moves = 0;
    int score = 0;
    int removed = 0;
    int timeLeft = 0;
    int scans = 0;
    int bonusBlocksSeen = 0;
    std::vector<BoardSound> sounds;
};

// Plays a game tick by tick, clicking now and then (also while the blocks travel, when the
// click must be refused): a random group, or at rest often a turn the hint search shows.
// Checks the invariants after every tick.
GameRecord playRandomGame(std::uint32_t seed, int maxTicks)
{
    TestBoard board(seed);
    std::mt19937 player(seed);
    GameRecord record;
    while (record.ticks < maxTicks && board.rules.isGameRunning()) {
        if (player() % 4 == 0) {
            const bool idle = board.rules.isIdle();
            int x = static_cast<int>(player() % 9) - 1;  // -1 .. 7: some off the grid
            int y = static_cast<int>(player() % 9) - 1;
            bool counterClockwise = player() % 2 == 0;
            if (idle && player() % 3 != 0)
                board.hintedMove(player(), x, y, counterClockwise);
            board.rules.makeMove(x, y, counterClockwise);
            const bool taken = board.rules.isMoving() && idle;
            EXPECT_EQ(taken, idle && x >= 0 && x <= 6 && y >= 0 && y <= 6) << "tick " << record.ticks;
            record.moves += taken ? 1 : 0;
        }
        board.tick();
        ++record.ticks;
        EXPECT_TRUE(board.keepsInvariants()) << "tick " << record.ticks;
        if (board.rules.isIdle() && board.rules.isGameRunning()) {
            EXPECT_TRUE(board.atRest()) << "tick " << record.ticks;
        }
        for (int i = 0; i < BoardRules::cellCount; ++i)
            record.bonusBlocksSeen += board.rules.getCell(i)->getKind() == Block::BonusWildKind ? 1 : 0;
        if (::testing::Test::HasFailure())
            break;
    }
    record.kinds = board.kinds();
    record.score = board.rules.getScore();
    record.removed = board.rules.getRemovedCount();
    record.timeLeft = board.rules.getTimeLeft();
    record.scans = board.listener.popupShown;
    record.sounds = board.listener.sounds;
    return record;
}

}  // namespace

TEST(BoardRandomGame, KeepsEveryInvariantAndReplaysFromItsSeed)
{
    const GameRecord first = playRandomGame(20261206, 20000);
    ASSERT_FALSE(::testing::Test::HasFailure());
    const GameRecord second = playRandomGame(20261206, 20000);
    EXPECT_EQ(first.kinds, second.kinds);
    EXPECT_EQ(first.ticks, second.ticks);
    EXPECT_EQ(first.score, second.score);
    EXPECT_EQ(first.removed, second.removed);
    EXPECT_EQ(first.timeLeft, second.timeLeft);
    EXPECT_EQ(first.sounds, second.sounds);

    // The game went through the interesting parts of the rules.
    EXPECT_GT(first.moves, 100);
    EXPECT_GT(first.scans, 20);
    EXPECT_GT(first.removed, 100);
    EXPECT_GT(first.score, 0);
    EXPECT_GT(std::count(first.sounds.begin(), first.sounds.end(), BoardSound::Special), 0);
    EXPECT_GT(first.bonusBlocksSeen, 0);
    RecordProperty("ticks", first.ticks);
    RecordProperty("moves", first.moves);
    RecordProperty("removed", first.removed);
    RecordProperty("score", first.score);
    std::printf("random game: %d ticks, %d moves, %d scans, %d removed, score %d, special shown %d times, "
                "bonus block-ticks %d, game over %s\n",
                first.ticks, first.moves, first.scans, first.removed, first.score,
                static_cast<int>(std::count(first.sounds.begin(), first.sounds.end(), BoardSound::Special)),
                first.bonusBlocksSeen, first.timeLeft == 0 ? "yes" : "no");

    const GameRecord other = playRandomGame(7, 20000);
    EXPECT_NE(first.kinds, other.kinds) << "another seed deals another game";
}

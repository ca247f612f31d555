#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/TestBoard.h"
#include "game/Block.h"

namespace {

struct GameRecord {
    std::string finalState;
    int moves = 0;
    int scans = 0;
    int specials = 0;
    int bonusBlocksSeen = 0;
};

// Plays a game tick by tick, clicking now and then (also while the blocks travel, when the
// click must be refused): a random group, or at rest often a turn the hint search shows.
// Checks the invariants after every tick.
GameRecord playRandomGame(std::uint32_t seed)
{
    TestBoard board(seed);
    std::mt19937 player(seed);
    GameRecord record;
    int ticks = 0;
    for (; ticks < 20000 && board.rules.isGameRunning() && !::testing::Test::HasFailure(); ++ticks) {
        if (player() % 4 == 0) {
            const bool idle = board.rules.isIdle();
            int x = static_cast<int>(player() % 9) - 1;  // -1 .. 7: some off the grid
            int y = static_cast<int>(player() % 9) - 1;
            bool counterClockwise = player() % 2 == 0;
            if (idle && player() % 3 != 0)
                board.hintedMove(player(), x, y, counterClockwise);
            board.rules.makeMove(x, y, counterClockwise);
            const bool taken = idle && board.rules.isMoving();
            EXPECT_EQ(taken, idle && x >= 0 && x <= 6 && y >= 0 && y <= 6) << "tick " << ticks;
            record.moves += taken ? 1 : 0;
        }
        board.tick();
        EXPECT_TRUE(board.keepsInvariants()) << "tick " << ticks;
        if (board.rules.isIdle() && board.rules.isGameRunning()) {
            EXPECT_TRUE(board.atRest()) << "tick " << ticks;
        }
        for (int i = 0; i < BoardRules::cellCount; ++i)
            record.bonusBlocksSeen += board.rules.getCell(i)->getKind() == Block::BonusWildKind ? 1 : 0;
    }
    record.finalState =
        board.kinds() + " ticks " + std::to_string(ticks) + " score " + std::to_string(board.rules.getScore()) +
        " removed " + std::to_string(board.rules.getRemovedCount()) + " time " +
        std::to_string(board.rules.getTimeLeft()) + " sounds " + std::to_string(board.listener.sounds.size());
    record.scans = board.listener.popupShown;
    record.specials = board.listener.count(BoardSound::Special);
    return record;
}

}  // namespace

TEST(BoardRandomGame, KeepsEveryInvariantAndReplaysFromItsSeed)
{
    const GameRecord first = playRandomGame(20261206);
    ASSERT_FALSE(::testing::Test::HasFailure());
    EXPECT_EQ(playRandomGame(20261206).finalState, first.finalState);
    EXPECT_NE(playRandomGame(7).finalState, first.finalState) << "another seed deals another game";

    // The game went through the interesting parts of the rules.
    EXPECT_GT(first.moves, 100);
    EXPECT_GT(first.scans, 100);
    EXPECT_GT(first.specials, 0);
    EXPECT_GT(first.bonusBlocksSeen, 0);
    RecordProperty("finalState", first.finalState);
}

#include <gtest/gtest.h>

#include <array>
#include <set>

#include "support/TestBoard.h"
#include "game/Block.h"

namespace {

std::set<int> markedCells(const TestBoard& board)
{
    std::set<int> marked;
    for (int i = 0; i < BoardRules::cellCount; ++i) {
        if (board.rules.getCell(i)->isMarked())
            marked.insert(i);
    }
    return marked;
}

std::array<const char*, 8> rowsOf(const char* field)
{
    return {field, field + 9, field + 18, field + 27, field + 36, field + 45, field + 54, field + 63};
}

std::set<int> records(const SquareList& list) { return {list.getRecords(), list.getRecords() + list.getCount()}; }

}  // namespace

TEST(BoardSearch, FindsEachSquareOnceWithItsAreaTerm)
{
    struct Case {
        const char* name;
        int squares, area, marked;
        const char* field;  // eight rows of eight, each followed by one separator
    };
    const Case cases[] = {
        {"upright", 1, 2, 4, "......../......../......../..22..../..22..../......../......../........"},
        {"turned", 1, 4, 4, "......../...2..../..2.2.../...2..../......../......../......../........"},
        {"3x3", 6, 4 * 2 + 3 + 4, 9, "......../..222.../..222.../..222.../......../......../......../........"},
        {"seven", 7, 4 * 2 + 3 + 4 + 2, 13, "......../..222.../..222.../..222.../......../.....33./.....33./........"},
        {"quiet", 0, 0, 0, "......../......../......../......../......../......../......../........"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestBoard board;
        board.setKinds(rowsOf(c.field));
        board.rules.setCombo(1);
        board.rules.setChain(5);
        EXPECT_EQ(board.rules.scanBoard(), c.squares > 0);
        EXPECT_EQ(board.rules.getSquareList().getCount(), c.squares);
        EXPECT_EQ(records(board.rules.getSquareList()).size(), static_cast<std::size_t>(c.squares));
        EXPECT_EQ(markedCells(board).size(), static_cast<std::size_t>(c.marked));
        // Before a move's scan: chain 1, combo 1, so the points are the area term.
        EXPECT_EQ(board.rules.getChain(), c.squares > 0 ? 6 : 0);
        EXPECT_EQ(board.rules.getTimeLeft(), 1000 + 25 * c.area);
        // Seven squares or more in one scan ring out; fewer play the chain's sound.
        const auto sound = c.squares >= 7 ? BoardSound::BigClear : BoardSound::LongChain;
        EXPECT_EQ(board.listener.sounds, c.squares ? std::vector{sound} : std::vector<BoardSound>{});
    }

    TestBoard turned;
    turned.setKinds(rowsOf(cases[1].field));
    turned.rules.scanBoard();
    EXPECT_EQ(turned.rules.getSquareList().getRecord(0), SquareList::pack(3, 1, 4, 2)) << "from P1 (3,1), P2 (4,2)";
}

TEST(BoardSearch, MeetsEverySquareOfAOneColourFieldExactlyOnce)
{
    TestBoard board;
    for (int i = 0; i < BoardRules::cellCount; ++i)
        board.rules.getCell(i)->setKind(5);
    EXPECT_TRUE(board.rules.scanBoard());
    // Squares with corners on 8 × 8 cells: the sum of (8 - s)² × s for s = 1..7.
    EXPECT_EQ(board.rules.getSquareList().getCount(), 336);
    EXPECT_EQ(records(board.rules.getSquareList()).size(), 336u);
    EXPECT_EQ(markedCells(board).size(), 64u);
    EXPECT_EQ(board.rules.getTimeLeft(), 2000) << "the time budget never passes its ceiling";
    EXPECT_EQ(board.listener.sounds, std::vector<BoardSound>{BoardSound::BigClear});
}

TEST(Block, WildOfEitherSortMatchesEveryColourAndCyclesThroughThem)
{
    TestBoard board;
    Block& a = *board.rules.getCell(0);
    Block& b = *board.rules.getCell(1);
    const std::array<std::array<int, 3>, 7> cases = {
        {{2, 2, true}, {2, 1, true}, {0, 3, true}, {1, 1, true}, {0, 1, true}, {2, 3, false}, {9, 4, false}}};
    for (const auto& [first, second, match] : cases) {
        a.setKind(first);
        b.setKind(second);
        EXPECT_EQ(a.matches(b), match != 0) << first << " with " << second;
        EXPECT_EQ(b.matches(a), match != 0) << second << " with " << first;
    }
    // Each frame a wild block shows the next colour's first cell.
    for (int kind : {Block::WildKind, Block::BonusWildKind}) {
        a.setKind(kind);
        a.update();
        EXPECT_EQ(a.getFrame(), a.getFramesPerKind()) << kind;
    }
}

TEST(BoardSearch, ABonusWildCornerMakesASquareOfAnyColours)
{
    TestBoard board;
    board.setKinds({"23......", "4B......", "........", "........", "........", "........", "........", "........"});
    EXPECT_TRUE(board.rules.cornersMatch(0, 1, 9, 8));
    board.rules.getCell(9)->setKind(5);
    EXPECT_FALSE(board.rules.cornersMatch(0, 1, 9, 8));
}

TEST(BoardHints, RecordSquaresOneTurnMakesAndLeaveTheBoardAsItWas)
{
    TestBoard board;
    // Turning the group at (4,4) counter-clockwise brings a 2 into (4,4) and closes the square.
    board.setKinds({"........", "........", "........", "...22...", "...2.2..", "........", "........", "........"});
    std::array<Block*, BoardRules::cellCount> before{};
    for (int i = 0; i < BoardRules::cellCount; ++i)
        before[i] = board.rules.getCell(i);

    board.rules.findHints();
    const SquareList& hints = board.rules.getHintList();
    const std::set<int> found = records(hints);
    EXPECT_TRUE(found.count(SquareList::pack(4, 4, 3, 4))) << "the closed square, from its corner in the group";
    for (int i = 0; i < BoardRules::cellCount; ++i) {
        ASSERT_EQ(board.rules.getCell(i), before[i]);
        EXPECT_FALSE(before[i]->isMarked());
    }
    EXPECT_TRUE(board.atRest());
    EXPECT_EQ(board.rules.getTimeLeft(), 1000);

    // Held key: the search does not run again; released: the list empties, its room stays.
    const int count = hints.getCount();
    const int capacity = hints.getCapacity();
    board.rules.findHints();
    EXPECT_EQ(hints.getCount(), count);
    board.rules.clearHints();
    EXPECT_EQ(hints.getCount(), 0);
    EXPECT_EQ(hints.getCapacity(), capacity);

    // Every record is a square that one turn of a group holding its first corner closes.
    for (int i = 0; i < count; ++i) {
        int x = 0;
        int y = 0;
        bool counterClockwise = false;
        EXPECT_TRUE(board.hintedMove(static_cast<unsigned>(i), x, y, counterClockwise)) << i;
    }
}

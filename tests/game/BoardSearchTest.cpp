#include <gtest/gtest.h>

#include <set>

#include "support/TestBoard.h"
#include "ui/Block.h"

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

int cellIndex(int cx, int cy) { return cx + cy * BoardRules::gridWidth; }

}  // namespace

TEST(BoardSearch, CornersOfUprightAndTurnedSquares)
{
    TestBoard board;
    std::array<int, 4> corner{};
    ASSERT_TRUE(board.rules.squareCorners(2, 3, 3, 3, corner));
    EXPECT_EQ(corner, (std::array<int, 4>{cellIndex(2, 3), cellIndex(3, 3), cellIndex(3, 4), cellIndex(2, 4)}));
    ASSERT_TRUE(board.rules.squareCorners(3, 1, 4, 2, corner));
    EXPECT_EQ(corner, (std::array<int, 4>{cellIndex(3, 1), cellIndex(4, 2), cellIndex(3, 3), cellIndex(2, 2)}));
    // The square lies a quarter turn from x towards y: from (3,4) to (2,4) it lies above.
    ASSERT_TRUE(board.rules.squareCorners(3, 4, 2, 4, corner));
    EXPECT_EQ(corner, (std::array<int, 4>{cellIndex(3, 4), cellIndex(2, 4), cellIndex(2, 3), cellIndex(3, 3)}));

    EXPECT_FALSE(board.rules.squareCorners(4, 4, 4, 4, corner)) << "one point is no side";
    EXPECT_FALSE(board.rules.squareCorners(0, 7, 1, 7, corner)) << "below the bottom row";
    EXPECT_FALSE(board.rules.squareCorners(0, 0, 1, 1, corner)) << "left of column 0";
    EXPECT_FALSE(board.rules.squareCorners(-1, 0, 0, 0, corner));
    EXPECT_FALSE(board.rules.squareCorners(7, 3, 8, 3, corner));
}

TEST(BoardSearch, FindsOneUprightSquareOnce)
{
    TestBoard board;
    board.setKinds({"........", "........", "........", "..22....", "..22....", "........", "........", "........"});
    EXPECT_TRUE(board.rules.scanBoard());
    ASSERT_EQ(board.rules.getSquareList().getCount(), 1);
    EXPECT_EQ(board.rules.getSquareList().getRecord(0), SquareList::pack(2, 3, 3, 3));
    EXPECT_EQ(markedCells(board), (std::set<int>{cellIndex(2, 3), cellIndex(3, 3), cellIndex(2, 4), cellIndex(3, 4)}));
    // Area term 2: 25 time units for each.
    EXPECT_EQ(board.rules.getTimeLeft(), 1000 + 50);
    EXPECT_EQ(board.rules.getOutlineColour(), 0xFFFFFF);
}

TEST(BoardSearch, FindsTheTurnedSquareFromItsTopCorner)
{
    TestBoard board;
    board.setKinds({"........", "...2....", "..2.2...", "...2....", "........", "........", "........", "........"});
    board.rules.setCombo(1);
    EXPECT_TRUE(board.rules.scanBoard());
    ASSERT_EQ(board.rules.getSquareList().getCount(), 1);
    EXPECT_EQ(board.rules.getSquareList().getRecord(0), SquareList::pack(3, 1, 4, 2));
    EXPECT_EQ(board.rules.getLastPoints(), 4) << "1 × 1 × 1 × area term 4";
    EXPECT_EQ(board.rules.getTimeLeft(), 1000 + 100);
    EXPECT_EQ(markedCells(board).size(), 4u);
}

TEST(BoardSearch, ThreeByThreeOfOneColourGivesSixSquaresOverNineBlocks)
{
    TestBoard board;
    board.setKinds({"........", "..222...", "..222...", "..222...", "........", "........", "........", "........"});
    board.rules.setCombo(1);
    EXPECT_TRUE(board.rules.scanBoard());
    const SquareList& squares = board.rules.getSquareList();
    ASSERT_EQ(squares.getCount(), 6);
    std::set<int> records(squares.getRecords(), squares.getRecords() + squares.getCount());
    EXPECT_EQ(records.size(), 6u) << "no square twice";
    EXPECT_EQ(board.rules.getLastPoints(), 15) << "four of area 2, the big one 3, the turned one 4";
    EXPECT_EQ(board.rules.getTimeLeft(), 1000 + 15 * 25);
    EXPECT_EQ(markedCells(board).size(), 9u);

    board.rules.collapse();
    EXPECT_EQ(board.rules.getRemovedCount(), 9) << "each block counts once, whatever its squares";
    EXPECT_EQ(board.listener.shown(BoardCounter::Removed), 9);
    EXPECT_TRUE(board.keepsInvariants());
    EXPECT_TRUE(markedCells(board).empty());
}

TEST(BoardSearch, MeetsEverySquareOfAOneColourFieldExactlyOnce)
{
    TestBoard board;
    for (int i = 0; i < BoardRules::cellCount; ++i)
        board.rules.getCell(i)->setKind(5);
    EXPECT_TRUE(board.rules.scanBoard());
    const SquareList& squares = board.rules.getSquareList();
    // Squares with corners on an 8 × 8 grid of cells: the sum of (8 - s)² × s for s = 1..7.
    ASSERT_EQ(squares.getCount(), 336);
    EXPECT_EQ(squares.getCapacity(), 336) << "grown one entry at a time";
    std::set<int> records(squares.getRecords(), squares.getRecords() + squares.getCount());
    EXPECT_EQ(records.size(), 336u);
    for (int record : records) {
        const SquareRecord square = SquareList::unpack(record);
        EXPECT_GE(square.x2, square.x1 + 1);
        EXPECT_GE(square.y2, square.y1);
    }
    EXPECT_EQ(markedCells(board).size(), 64u);
    EXPECT_EQ(board.rules.getTimeLeft(), 2000) << "the time budget never passes its ceiling";
    EXPECT_EQ(board.listener.count(BoardSound::BigClear), 1);
}

TEST(BoardSearch, ListGrowsByOneEntryPerOverflow)
{
    TestBoard board;
    board.setKinds({"22223333", "22223333", "22223333", "22223333", "........", "........", "....22..", "....22.."});
    EXPECT_EQ(board.rules.getSquareList().getCapacity(), 40);
    EXPECT_TRUE(board.rules.scanBoard());
    EXPECT_EQ(board.rules.getSquareList().getCount(), 41);
    EXPECT_EQ(board.rules.getSquareList().getCapacity(), 41);
}

TEST(BoardSearch, WildAndBonusWildCornersMatch)
{
    TestBoard board;
    std::array<int, 4> corner{};
    ASSERT_TRUE(board.rules.squareCorners(2, 3, 3, 3, corner));
    struct Case {
        std::array<int, 4> kinds;
        bool match;
    };
    const Case cases[] = {
        {{2, Block::WildKind, 2, 2}, true},
        {{2, Block::WildKind, 3, 2}, false},
        {{2, 3, 4, Block::BonusWildKind}, true},
        {{Block::BonusWildKind, 9, 8, 7}, true},
        {{Block::WildKind, Block::WildKind, Block::WildKind, Block::WildKind}, true},
        {{Block::WildKind, 4, Block::WildKind, 4}, true},
        {{2, 2, 2, 3}, false},
    };
    for (const Case& c : cases) {
        for (int k = 0; k < 4; ++k)
            board.rules.getCell(corner[k])->setKind(c.kinds[k]);
        EXPECT_EQ(board.rules.cornersMatch(corner[0], corner[1], corner[2], corner[3]), c.match)
            << c.kinds[0] << c.kinds[1] << c.kinds[2] << c.kinds[3];
    }
    // Marks play no part in matching.
    for (int i : corner)
        board.rules.getCell(i)->setKind(4);
    board.rules.getCell(corner[0])->setMarked(true);
    EXPECT_TRUE(board.rules.cornersMatch(corner[0], corner[1], corner[2], corner[3]));
}

TEST(BoardSearch, QuietFieldHasNoSquareAndScanResetsTheChain)
{
    TestBoard board;
    board.setKinds(TestBoard::quietRows);
    board.rules.setChain(3);
    EXPECT_FALSE(board.rules.scanBoard());
    EXPECT_EQ(board.rules.getChain(), 0);
    EXPECT_EQ(board.listener.shown(BoardCounter::Chain), 0);
    EXPECT_EQ(board.rules.getSquareList().getCount(), 0);
    EXPECT_TRUE(board.listener.sounds.empty());
    EXPECT_EQ(board.rules.getTimeLeft(), 1000);
}

TEST(BoardHints, RecordSquaresOneTurnMakesAndLeaveTheBoardAsItWas)
{
    TestBoard board;
    // Turning the group at (4,4) counter-clockwise brings a 2 into (4,4) and closes the square.
    board.setKinds({"........", "........", "........", "...22...", "...2.2..", "........", "........", "........"});
    std::array<Block*, BoardRules::cellCount> before{};
    for (int i = 0; i < BoardRules::cellCount; ++i)
        before[i] = board.rules.getCell(i);
    const std::string kinds = board.kinds();

    board.rules.findHints();
    const SquareList& hints = board.rules.getHintList();
    ASSERT_GT(hints.getCount(), 0);
    std::set<int> records(hints.getRecords(), hints.getRecords() + hints.getCount());
    EXPECT_TRUE(records.count(SquareList::pack(4, 4, 3, 4))) << "the closed square, from its corner in the group";

    for (int i = 0; i < BoardRules::cellCount; ++i) {
        ASSERT_EQ(board.rules.getCell(i), before[i]);
        EXPECT_EQ(board.rules.getCell(i)->getX(), BoardRules::cellX(i % 8));
        EXPECT_EQ(board.rules.getCell(i)->getY(), BoardRules::cellY(i / 8));
        EXPECT_FALSE(board.rules.getCell(i)->isMarked());
    }
    EXPECT_EQ(board.kinds(), kinds);
    EXPECT_EQ(board.rules.getSquareList().getCount(), 0);
    EXPECT_EQ(board.rules.getTimeLeft(), 1000) << "a hint costs nothing";

    // Every record is a square that one turn of a group holding its first corner would close.
    std::array<int, 4> corner{};
    for (int record : records) {
        const SquareRecord square = SquareList::unpack(record);
        bool closes = false;
        for (int gx = square.x1 - 1; gx <= square.x1; ++gx) {
            for (int gy = square.y1 - 1; gy <= square.y1; ++gy) {
                if (gx < 0 || gy < 0 || gx > 6 || gy > 6)
                    continue;
                for (bool counterClockwise : {true, false}) {
                    board.rules.rotateGroup(gx, gy, counterClockwise);
                    closes = closes
                        || (board.rules.squareCorners(square.x1, square.y1, square.x2, square.y2, corner)
                            && board.rules.cornersMatch(corner[0], corner[1], corner[2], corner[3]));
                    board.rules.rotateGroup(gx, gy, !counterClockwise);
                }
            }
        }
        EXPECT_TRUE(closes) << std::hex << record;
    }

    // Held key: the search does not run again; released: the list is empty, its room stays.
    const int count = hints.getCount();
    const int capacity = hints.getCapacity();
    board.rules.findHints();
    EXPECT_EQ(hints.getCount(), count);
    board.rules.clearHints();
    EXPECT_EQ(hints.getCount(), 0);
    EXPECT_EQ(hints.getCapacity(), capacity);
    board.rules.findHints();
    EXPECT_EQ(hints.getCount(), count) << "the next key press searches afresh";
}

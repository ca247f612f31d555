#include <gtest/gtest.h>

#include "support/TestBoard.h"
#include "game/Block.h"

namespace {

struct Position {
    int x;
    int y;
    bool operator==(const Position&) const = default;
};

Position at(Block* block) { return {block->getX(), block->getY()}; }
Position rest(int cx, int cy) { return {BoardRules::cellX(cx), BoardRules::cellY(cy)}; }

// Turning the group at (6,3) counter-clockwise closes the square (5,3), (6,3), (5,4), (6,4):
// columns 5 and 6 each lose their blocks of rows 3 and 4.
const std::array<const char*, 8> squareInRowsThreeAndFour = {
    "........", "........", "........", ".....222", ".....2..", "........", "........", "........",
};

}  // namespace

TEST(BoardMovement, ClicksDuringAnAnimationOrOffTheGridAreRefusedFreeOfCharge)
{
    TestBoard board;
    board.setKinds(squareInRowsThreeAndFour);
    const std::string kinds = board.kinds();
    for (auto [x, y] : {std::pair{7, 0}, {0, 7}, {-1, 2}, {2, -1}, {7, 7}}) {
        board.rules.makeMove(x, y, true);
        EXPECT_EQ(board.kinds(), kinds);
        EXPECT_TRUE(board.rules.isIdle());
        EXPECT_EQ(board.rules.getTimeLeft(), 1000);
    }

    board.rules.makeMove(6, 3, true);
    const std::string turned = board.kinds();
    board.rules.makeMove(0, 0, true);
    EXPECT_EQ(board.kinds(), turned) << "refused while the blocks travel";
    EXPECT_EQ(board.rules.getTimeLeft(), 995);
    for (int i = 0; i < 4; ++i)
        board.tick();
    ASSERT_TRUE(board.rules.isRemoving());
    const int timeLeft = board.rules.getTimeLeft();
    board.rules.makeMove(0, 0, false);
    EXPECT_EQ(board.kinds(), turned) << "refused while the blocks are cleared";
    EXPECT_EQ(board.rules.getTimeLeft(), timeLeft);
}

TEST(BoardMovement, ATurnSlidesBlocksLeftAsFastAsRight)
{
    TestBoard board;
    board.setKinds(squareInRowsThreeAndFour);
    board.rules.makeMove(6, 3, true);
    board.tick();
    // Mid-turn, two of the group's blocks are on their way across: one left, one right, each
    // the same distance short of its cell.
    std::vector<int> shortBy;
    for (auto [cx, cy] : {std::pair{6, 3}, {7, 3}, {6, 4}, {7, 4}})
        if (const int dx = at(board.rules.getCell(cx, cy)).x - rest(cx, cy).x)
            shortBy.push_back(dx);
    ASSERT_EQ(shortBy.size(), 2u);
    EXPECT_EQ(shortBy[0], -shortBy[1]);
    EXPECT_LT(std::abs(shortBy[0]), BoardRules::cellX(1) - BoardRules::cellX(0));
}

TEST(BoardMovement, NewBlocksWaitAboveTheFieldAndFallWithTheColumn)
{
    TestBoard board;
    board.setKinds(squareInRowsThreeAndFour);
    std::array<Block*, 3> above{};
    for (int row = 0; row < 3; ++row)
        above[row] = board.rules.getCell(5, row);
    board.rules.makeMove(6, 3, true);
    for (int i = 0; i < 10 && !board.rules.isRemoving(); ++i)
        board.tick();
    ASSERT_TRUE(board.rules.isRemoving()) << "the turn made no square";
    while (board.rules.isRemoving())
        board.tick();

    // Column 5 right after the collapse: two new blocks above the field, the three former
    // top blocks in rows 2 to 4 still where they stood.
    EXPECT_EQ(board.rules.getRemovedCount(), 4);
    EXPECT_EQ(at(board.rules.getCell(5, 0)), (Position{BoardRules::cellX(5), BoardRules::cellY(0) - 120}));
    EXPECT_EQ(at(board.rules.getCell(5, 1)), (Position{BoardRules::cellX(5), BoardRules::cellY(0) - 60}));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(board.rules.getCell(5, row + 2), above[row]);
        EXPECT_EQ(at(above[row]), rest(5, row));
    }
    EXPECT_TRUE(board.keepsInvariants());

    // The whole column falls as one, 20 pixels a tick, two cells in six ticks.
    for (int step = 1; step <= 6; ++step) {
        board.tick();
        for (int row = 0; row < 5; ++row) {
            EXPECT_EQ(board.rules.getCell(5, row)->getY(), BoardRules::cellY(row) - 120 + 20 * step)
                << "row " << row << " after " << step;
        }
    }
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(at(board.rules.getCell(5, row)), rest(5, row));
}

TEST(BoardMovement, CollapseRefillsTopRowInPlaceAndWholeColumnsFromHighAbove)
{
    TestBoard board;
    Block* const below = board.rules.getCell(4, 1);
    const int slot = board.owner.indexOfChild(board.rules.getCell(4, 0));
    board.rules.getCell(4, 0)->setMarked(true);
    for (int row = 0; row < BoardRules::gridHeight; ++row)
        board.rules.getCell(0, row)->setMarked(true);
    board.rules.collapse();

    // Only row 0 marked: the new block takes its place at once, in the same child slot.
    EXPECT_EQ(board.owner.getChild(slot), board.rules.getCell(4, 0));
    EXPECT_EQ(at(board.rules.getCell(4, 0)), rest(4, 0));
    EXPECT_EQ(board.rules.getCell(4, 1), below);
    // The whole column: every removal happened in the bottom row and each new block entered a
    // cell above the one before, so all eight fall eight cells.
    for (int row = 0; row < BoardRules::gridHeight; ++row)
        EXPECT_EQ(at(board.rules.getCell(0, row)), (Position{BoardRules::cellX(0), BoardRules::cellY(row) - 480}));
    EXPECT_EQ(board.rules.getRemovedCount(), 9);
    EXPECT_TRUE(board.keepsInvariants());
}

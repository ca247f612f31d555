#include "TestBoard.h"

#include <algorithm>
#include <set>

#include "game/Block.h"

void RecordingListener::counterChanged(BoardCounter counter, int value) { counters[counter] = value; }

void RecordingListener::gameOver(int score)
{
    ++gameOvers;
    finalScore = score;
}

int RecordingListener::shown(BoardCounter counter) const
{
    const auto found = counters.find(counter);
    return found == counters.end() ? -1 : found->second;
}

int RecordingListener::count(BoardSound sound) const
{
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), sound));
}

BoardOwner::BoardOwner()
{
    init(nullptr, 0, 0, nullptr);
    allocateChildren(childTotal);
}

const std::array<const char*, 8> TestBoard::quietRows = {
    "84795694", "67558896", "95778757", "69867955", "94455695", "96875646", "94564577", "86444866",
};

TestBoard::TestBoard(std::uint32_t seed) : rules(owner, listener, nullptr, 5)
{
    rules.getRandom().seed(seed);
    rules.createBlocks(BoardOwner::specialSlot, 705, 160, BoardOwner::firstCellSlot);
}

namespace {

int kindOf(char c, char quiet)
{
    c = c == '.' ? quiet : c;
    return c == 'W' ? Block::WildKind : c == 'B' ? Block::BonusWildKind : c - '0';
}

char charOf(int kind)
{
    return kind == Block::WildKind ? 'W' : kind == Block::BonusWildKind ? 'B' : static_cast<char>('0' + kind);
}

}  // namespace

void TestBoard::setKinds(const std::array<const char*, 8>& rows)
{
    for (int cy = 0; cy < BoardRules::gridHeight; ++cy)
        for (int cx = 0; cx < BoardRules::gridWidth; ++cx)
            cell(cx, cy).setKind(kindOf(rows[cy][cx], quietRows[cy][cx]));
}

std::string TestBoard::kinds() const
{
    std::string text;
    for (int i = 0; i < BoardRules::cellCount; ++i)
        text += std::string(i > 0 && i % BoardRules::gridWidth == 0 ? "/" : "") + charOf(rules.getCell(i)->getKind());
    return text;
}

void TestBoard::tick()
{
    if (!rules.isGameRunning())
        return;
    rules.stepBoard();
    rules.updateBlocks();
    rules.spendTime(1);
}

int TestBoard::settle(int maxTicks)
{
    int ticks = 0;
    while (ticks < maxTicks && rules.isGameRunning() && !rules.isIdle()) {
        tick();
        ++ticks;
    }
    return ticks;
}

int TestBoard::play(int x, int y, bool counterClockwise)
{
    rules.makeMove(x, y, counterClockwise);
    return settle();
}

bool TestBoard::hintedMove(unsigned choice, int& x, int& y, bool& counterClockwise)
{
    rules.clearHints();
    rules.findHints();
    const SquareList& hints = rules.getHintList();
    if (hints.getCount() == 0)
        return false;
    const SquareRecord square = SquareList::unpack(hints.getRecord(static_cast<int>(choice % hints.getCount())));
    std::array<int, 4> corner{};
    // The first corner lies in the turned group; find the group and the direction.
    for (int gx = std::max(square.x1 - 1, 0); gx <= std::min(square.x1, BoardRules::gridWidth - 2); ++gx) {
        for (int gy = std::max(square.y1 - 1, 0); gy <= std::min(square.y1, BoardRules::gridHeight - 2); ++gy) {
            for (bool ccw : {true, false}) {
                rules.rotateGroup(gx, gy, ccw);
                const bool closes = rules.squareCorners(square.x1, square.y1, square.x2, square.y2, corner) &&
                                    rules.cornersMatch(corner[0], corner[1], corner[2], corner[3]);
                rules.rotateGroup(gx, gy, !ccw);
                if (closes) {
                    x = gx;
                    y = gy;
                    counterClockwise = ccw;
                    rules.clearHints();
                    return true;
                }
            }
        }
    }
    rules.clearHints();
    return false;
}

testing::AssertionResult TestBoard::keepsInvariants() const
{
    std::set<const Widget*> grid;
    for (int i = 0; i < BoardRules::cellCount; ++i) {
        const Block* block = rules.getCell(i);
        if (!block)
            return testing::AssertionFailure() << "cell " << i << " is empty";
        if (!grid.insert(block).second)
            return testing::AssertionFailure() << "cell " << i << " shares its block with another cell";
    }
    std::set<const Widget*> children;
    for (int i = 0; i < owner.getChildCount(); ++i)
        if (owner.getChild(i))
            children.insert(owner.getChild(i));
    grid.insert(rules.getSpecialBlock());
    if (children != grid)
        return testing::AssertionFailure() << "the owner's children are not the grid's blocks and the special block";
    for (int i = 0; i < BoardRules::cellCount; ++i)
        if (owner.getChild(BoardOwner::firstCellSlot + i) == nullptr)
            return testing::AssertionFailure() << "grid slot " << i << " is empty";
    if (rules.getTimeLeft() < 0 || rules.getTimeLeft() > BoardRules::timeMax)
        return testing::AssertionFailure() << "timeLeft " << rules.getTimeLeft();
    if (rules.getLevel() != rules.getRemovedCount() / BoardRules::blocksPerLevel + 1)
        return testing::AssertionFailure()
               << "level " << rules.getLevel() << " for " << rules.getRemovedCount() << " removed";
    if (rules.getLevelTarget() != rules.getLevel() * BoardRules::blocksPerLevel)
        return testing::AssertionFailure() << "target " << rules.getLevelTarget();
    if (rules.getScore() < 0)
        return testing::AssertionFailure() << "score " << rules.getScore();
    return testing::AssertionSuccess();
}

testing::AssertionResult TestBoard::atRest() const
{
    for (int i = 0; i < BoardRules::cellCount; ++i) {
        Block* block = rules.getCell(i);
        const int cx = i % BoardRules::gridWidth;
        const int cy = i / BoardRules::gridWidth;
        if (block->isMarked())
            return testing::AssertionFailure() << "cell (" << cx << ", " << cy << ") is marked";
        if (block->getX() != BoardRules::cellX(cx) || block->getY() != BoardRules::cellY(cy))
            return testing::AssertionFailure()
                   << "cell (" << cx << ", " << cy << ") is at (" << block->getX() << ", " << block->getY() << ")";
    }
    return testing::AssertionSuccess();
}

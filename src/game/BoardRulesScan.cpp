// The square search of the board rules: corners, matching, the scan with its scoring, and the
// hint search.
#include <algorithm>
#include <climits>

#include "game/BoardListener.h"
#include "game/BoardRules.h"
#include "game/Block.h"

namespace {

// a × b, held at the largest int (both factors are non-negative).
std::int64_t saturatingProduct(std::int64_t a, std::int64_t b) { return std::min<std::int64_t>(a * b, INT_MAX); }

bool insideGrid(int cx, int cy)
{
    return cx >= 0 && cx < BoardRules::gridWidth && cy >= 0 && cy < BoardRules::gridHeight;
}

}  // namespace

bool BoardRules::squareCorners(int x1, int y1, int x2, int y2, std::array<int, 4>& corners) const
{
    if (x1 == x2 && y1 == y2)
        return false;
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const int x3 = x2 - dy;
    const int y3 = y2 + dx;
    const int x4 = x1 - dy;
    const int y4 = y1 + dx;
    if (!insideGrid(x1, y1) || !insideGrid(x2, y2) || !insideGrid(x3, y3) || !insideGrid(x4, y4))
        return false;
    corners = {x1 + y1 * gridWidth, x2 + y2 * gridWidth, x3 + y3 * gridWidth, x4 + y4 * gridWidth};
    return true;
}

bool BoardRules::cornersMatch(int i1, int i2, int i3, int i4) const
{
    const Block* corner[4] = {getCell(i1), getCell(i2), getCell(i3), getCell(i4)};
    for (const Block* block : corner) {
        if (!block)
            return false;
    }
    for (const Block* block : corner) {
        if (block->getKind() == Block::BonusWildKind)
            return true;
    }
    for (int a = 0; a < 4; ++a) {
        for (int b = a + 1; b < 4; ++b) {
            if (!corner[a]->matches(*corner[b]))
                return false;
        }
    }
    return true;
}

void BoardRules::appendSquare(SquareList& list, int x1, int y1, int x2, int y2)
{
    list.append(SquareList::pack(x1, y1, x2, y2));
}

bool BoardRules::scanBoard()
{
    int count = 0;
    std::int64_t area = 0;
    std::array<int, 4> corner{};
    // The side P1→P2 always points right (and down or level), so each square is met once.
    for (int y1 = 0; y1 < gridHeight; ++y1) {
        for (int x1 = 0; x1 < gridWidth; ++x1) {
            for (int y2 = y1; y2 < gridHeight; ++y2) {
                for (int x2 = x1 + 1; x2 < gridWidth; ++x2) {
                    if (!squareCorners(x1, y1, x2, y2, corner) ||
                        !cornersMatch(corner[0], corner[1], corner[2], corner[3]))
                        continue;
                    for (int i : corner)
                        cells[i]->setMarked(true);
                    if (isSpecialShown() && std::all_of(corner.begin(), corner.end(),
                                                        [this](int i) { return specialBlock->matches(*cells[i]); }))
                        specialMatched = true;
                    appendSquare(squareList, x1, y1, x2, y2);
                    outlineColour = 0xFFFFFF;
                    count += 1;
                    // The box spanned by P1 and P2, not the square's own area.
                    area += (x2 - x1 + 1) * (y2 - y1 + 1);
                }
            }
        }
    }
    if (count == 0) {
        setChain(0);
        return false;
    }

    setChain(chain + 1);
    if (playerMoved)
        setCombo(combo + 1);
    const std::int64_t points = saturatingProduct(saturatingProduct(saturatingProduct(chain, combo), combo), area);
    addScore(points);
    addTime(static_cast<int>(saturatingProduct(timePerPixel * 5, area)));
    lastPoints = static_cast<int>(points);
    if (count >= 7)
        listener.playSound(BoardSound::BigClear);
    else if (chain == 1)
        listener.playSound(BoardSound::FirstChain);
    else if (chain == 2)
        listener.playSound(BoardSound::Chain);
    else
        listener.playSound(BoardSound::LongChain);
    return true;
}

void BoardRules::findHints()
{
    if (hintList.getCount() != 0)
        return;
    std::array<int, 4> corner{};
    for (int x = 0; x < gridWidth - 1; ++x) {
        for (int y = 0; y < gridHeight - 1; ++y) {
            // Four quarter turns bring the group back; after the first it stands turned once
            // counter-clockwise, after the third once clockwise.
            for (int r = 0; r < 4; ++r) {
                rotateGroup(x, y, true);
                if (r != 0 && r != 2)
                    continue;
                for (int k = x; k <= x + 1; ++k) {
                    for (int l = y; l <= y + 1; ++l) {
                        for (int m = 0; m < gridHeight; ++m) {
                            for (int n = 0; n < gridWidth; ++n) {
                                if (squareCorners(k, l, n, m, corner) &&
                                    cornersMatch(corner[0], corner[1], corner[2], corner[3]))
                                    appendSquare(hintList, k, l, n, m);
                            }
                        }
                    }
                }
            }
        }
    }
}

void BoardRules::clearHints() { hintList.clear(); }

// The moving parts of the board rules: turning groups, the player's move, the board step with
// its travel and clearing, and the collapse that drops and refills the columns.
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "game/BoardListener.h"
#include "game/BoardRules.h"
#include "game/Block.h"

void BoardRules::rotateGroup(int x, int y, bool counterClockwise)
{
    if (x < 0 || x > gridWidth - 2 || y < 0 || y > gridHeight - 2)
        return;
    Block*& topLeft = cells[x + y * gridWidth];
    Block*& topRight = cells[x + 1 + y * gridWidth];
    Block*& bottomLeft = cells[x + (y + 1) * gridWidth];
    Block*& bottomRight = cells[x + 1 + (y + 1) * gridWidth];
    Block* const formerTopLeft = topLeft;
    if (counterClockwise) {
        topLeft = topRight;
        topRight = bottomRight;
        bottomRight = bottomLeft;
        bottomLeft = formerTopLeft;
    } else {
        topLeft = bottomLeft;
        bottomLeft = bottomRight;
        bottomRight = topRight;
        topRight = formerTopLeft;
    }
}

void BoardRules::makeMove(int x, int y, bool counterClockwise)
{
    if (!gameRunning || removing || moving)
        return;
    if (x < 0 || x > gridWidth - 2 || y < 0 || y > gridHeight - 2)
        return;
    rotateGroup(x, y, counterClockwise);
    moving = true;
    playerMoved = true;
    spendTime(level * timePerPixel);
}

Block* BoardRules::replaceMarked(int cx, int cy)
{
    Block* const removed = cells[cx + cy * gridWidth];
    const int slot = owner.indexOfChild(removed);
    if (slot < 0) {
        // Not a block the rules made: leave it in place rather than lose track of it.
        removed->setMarked(false);
        return nullptr;
    }
    owner.replaceChild(slot, nullptr);
    for (int row = cy; row > 0; --row)
        cells[cx + row * gridWidth] = cells[cx + (row - 1) * gridWidth];

    // The new block enters one cell above the block now in row 1: above the former top block
    // (or an earlier new block) after a shift, or straight into row 0 when nothing moved.
    Block* const below = cells[cx + gridWidth];
    auto created = std::make_unique<Block>(&owner, below->getX(), below->getY() - gridStepY, blockPicture, colourCount,
                                           framesPerKind, random);
    Block* const block = created.get();
    cells[cx] = block;
    owner.replaceChild(slot, std::move(created));
    return block;
}

void BoardRules::collapse()
{
    std::array<Block*, cellCount> newBlocks{};
    int newCount = 0;
    for (int cx = 0; cx < gridWidth; ++cx) {
        int cy = gridHeight - 1;
        while (cy >= 0) {
            Block* const block = cells[cx + cy * gridWidth];
            if (!block || !block->isMarked()) {
                --cy;
                continue;
            }
            // Row cy is examined again: the block that dropped into it may be marked too.
            Block* const created = replaceMarked(cx, cy);
            if (!created)
                continue;
            if (newCount < cellCount)
                newBlocks[newCount++] = created;
            addRemoved(1);
        }
    }
    if (specialMatched) {
        if (newCount > 0)
            newBlocks[random.pick(newCount)]->setKind(Block::BonusWildKind);
        hideSpecial();
    }
}

bool BoardRules::stepTowardsCell(int i)
{
    Block* const block = cells[i];
    if (!block)
        return false;
    const int targetX = cellX(i % gridWidth);
    const int targetY = cellY(i / gridWidth);
    // Horizontal travel first, one axis per tick; the last step never overshoots.
    if (block->getX() != targetX) {
        const int distance = targetX - block->getX();
        block->moveX(std::clamp(distance, -moveSpeed, moveSpeed));
    } else if (block->getY() != targetY) {
        const int distance = targetY - block->getY();
        block->moveY(std::clamp(distance, -moveSpeed, moveSpeed));
    } else {
        return false;
    }
    return true;
}

void BoardRules::stepBoard()
{
    if (!gameRunning)
        return;
    if (moving) {
        moving = false;
        for (int i = 0; i < cellCount; ++i) {
            if (stepTowardsCell(i))
                moving = true;
        }
        if (moving)
            return;
        // At rest: look for squares.
        if (scanBoard()) {
            removing = true;
            listener.showPointsPopup();
            playerMoved = false;
        } else {
            if (playerMoved)
                setCombo(0);
            if (removedCount >= lastSpecialAt + specialInterval)
                showSpecial();
            else
                hideSpecial();
            playerMoved = false;
        }
    } else if (removing) {
        outlineColour >>= 4;
        bool anyMarked = false;
        for (int i = 0; i < cellCount; ++i) {
            Block* const block = cells[i];
            if (!block || !block->isMarked())
                continue;
            anyMarked = true;
            if (block->getFrame() % framesPerKind == framesPerKind - 1)
                removing = false;
            block->nextFrame();
        }
        if (!anyMarked)
            removing = false;
        if (!removing) {
            squareList.clear();
            collapse();
            listener.hidePointsPopup();
            moving = true;
        }
    }
}

void BoardRules::updateBlocks()
{
    for (Block* block : cells) {
        if (block)
            block->update();
    }
}

#include "game/BoardRules.h"

#include <algorithm>
#include <climits>
#include <memory>

#include "game/BoardListener.h"
#include "game/Block.h"

BoardRules::BoardRules(Widget& ownerWidget, BoardListener& boardListener, Bitmap* picture, int frames)
    : owner(ownerWidget),
      listener(boardListener),
      blockPicture(picture),
      framesPerKind(std::max(1, frames)),
      random(RandomGenerator::clockSeed())
{}

// The blocks belong to the owner's children array, which deletes them.
BoardRules::~BoardRules() = default;

bool BoardRules::createBlocks(int specialSlot, int specialX, int specialY, int firstCellSlot)
{
    const int children = owner.getChildCount();
    const bool slotsFit = specialSlot >= 0 && specialSlot < children && firstCellSlot >= 0 &&
                          firstCellSlot <= children - cellCount &&
                          (specialSlot < firstCellSlot || specialSlot >= firstCellSlot + cellCount);
    if (!slotsFit || specialBlock || cells[0])
        return false;

    // The special block's kind is drawn first, then the grid's in cell order: the order fixes
    // which game a seed deals.
    auto special =
        std::make_unique<Block>(&owner, specialX, specialY, blockPicture, colourCount, framesPerKind, random);
    special->setAlpha(0);
    specialBlock = special.get();
    owner.replaceChild(specialSlot, std::move(special));
    for (int j = 0; j < cellCount; ++j) {
        auto block = std::make_unique<Block>(&owner, cellX(j % gridWidth), cellY(j / gridWidth), blockPicture,
                                             colourCount, framesPerKind, random);
        cells[j] = block.get();
        owner.replaceChild(firstCellSlot + j, std::move(block));
    }
    return true;
}

Block* BoardRules::getCell(int index) const { return index >= 0 && index < cellCount ? cells[index] : nullptr; }

Block* BoardRules::getCell(int cx, int cy) const
{
    if (cx < 0 || cx >= gridWidth || cy < 0 || cy >= gridHeight)
        return nullptr;
    return cells[cx + cy * gridWidth];
}

bool BoardRules::isSpecialShown() const { return specialBlock && specialBlock->getAlpha() != 0; }

void BoardRules::showSpecial()
{
    specialMatched = false;
    // Drawn from the picture's column count, so the special colour is one of kinds 2 to 6.
    const int kind = Block::firstColourKind + random.pick(framesPerKind);
    if (specialBlock) {
        specialBlock->setAlpha(Widget::opaqueAlpha);
        specialBlock->setKind(kind);
    }
    lastSpecialAt = removedCount;
    listener.playSound(BoardSound::Special);
}

void BoardRules::hideSpecial()
{
    specialMatched = false;
    if (specialBlock)
        specialBlock->setAlpha(0);
}

void BoardRules::addTime(int n)
{
    timeLeft = static_cast<int>(std::min<std::int64_t>(timeMax, std::int64_t{timeLeft} + n));
}

void BoardRules::spendTime(int n)
{
    if (!gameRunning)
        return;
    const std::int64_t left = std::int64_t{timeLeft} - n;
    timeLeft = static_cast<int>(std::min<std::int64_t>(left, timeMax));
    if (left > 0)
        return;
    timeLeft = 0;
    gameRunning = false;
    listener.gameOver(score);
    listener.playSound(BoardSound::TimeUp);
}

void BoardRules::addScore(std::int64_t n)
{
    // Saturates: a long run of combos must not wrap the score round to a negative number.
    score = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{score} + n, 0, INT_MAX));
    listener.counterChanged(BoardCounter::Score, score);
}

void BoardRules::setLevel(int n)
{
    level = n;
    listener.counterChanged(BoardCounter::Level, level);
    levelTarget = blocksPerLevel * n;
    listener.counterChanged(BoardCounter::Target, levelTarget);
}

void BoardRules::setChain(int n)
{
    chain = n;
    listener.counterChanged(BoardCounter::Chain, chain);
}

void BoardRules::setCombo(int n)
{
    combo = n;
    listener.counterChanged(BoardCounter::Combo, combo);
}

void BoardRules::addRemoved(int n)
{
    removedCount += n;
    listener.counterChanged(BoardCounter::Removed, removedCount);
    setLevel(removedCount / blocksPerLevel + 1);
}

#pragma once

#include <array>
#include <cstdint>

#include "game/RandomGenerator.h"
#include "game/SquareList.h"

class Bitmap;
class Block;
class BoardListener;
class Widget;

// The rules of the field: an 8 × 8 grid of blocks turned a 2 × 2 group at a time, the search
// for squares of matching corners (upright or turned), scoring by chain × combo² × area, the
// clearing, gravity and refill, the time budget, the levels, the special block and the hint
// search.  Pure integer logic over the blocks' kinds, marks, frames and positions.
//
// The blocks are children of an owner widget (the game screen); the rules create them in
// slots of the owner's children array, and a collapse replaces a removed block by its
// successor in the same slot, so the owner's children always hold exactly the grid's blocks
// and the special block beside whatever else the owner keeps.  Counter changes, the points
// popup, sounds and the end of the game are reported to a BoardListener.
//
// The owner drives the rules: each tick while the game runs, stepBoard, then updateBlocks,
// then its own animations, then spendTime (1); a click on the field is makeMove, the hint key
// findHints while held and clearHints when released.  A game over is final: afterwards the
// rules take no move, no step and no further time.
class BoardRules {
public:
    static constexpr int gridWidth = 8;
    static constexpr int gridHeight = 8;
    static constexpr int cellCount = gridWidth * gridHeight;
    static_assert(gridWidth <= 16 && gridHeight <= 16, "a square record keeps a coordinate in 4 bits");

    // Field geometry in screen pixels.
    static constexpr int fieldLeft = 160;
    static constexpr int fieldTop = 100;
    static constexpr int fieldPixelWidth = 480;
    static constexpr int fieldPixelHeight = 480;
    static constexpr int gridStepX = fieldPixelWidth / gridWidth;
    static constexpr int gridStepY = fieldPixelHeight / gridHeight;
    static constexpr int blockWidth = 30;
    static constexpr int blockHeight = 30;

    // Rules constants.
    static constexpr int colourCount = 8;
    static constexpr int moveSpeed = 20;
    static constexpr int timePerPixel = 5;
    static constexpr int blocksPerLevel = 30;
    static constexpr int specialInterval = 50;
    static constexpr int timeMax = timePerPixel * 400;

    // Rest position of the blocks of column x and row y.
    static constexpr int cellX(int cx) { return (gridStepX - blockWidth) / 2 + gridStepX * cx + fieldLeft; }
    static constexpr int cellY(int cy) { return (gridStepY - blockHeight) / 2 + gridStepY * cy + fieldTop; }

    // `blockPicture` (may be null) is given to every block; `framesPerKind` is its column
    // count.  The generator is seeded from the clock; seed it again through getRandom.
    BoardRules(Widget& owner, BoardListener& listener, Bitmap* blockPicture, int framesPerKind);
    BoardRules(const BoardRules&) = delete;
    BoardRules& operator=(const BoardRules&) = delete;
    ~BoardRules();

    // Creates the special block (hidden) in the owner's child `specialSlot` at (specialX,
    // specialY), then the 64 grid blocks in cell order, cell j in child firstCellSlot + j, each
    // drawing its random kind.  False, creating nothing, when the slots do not fit the owner's
    // children array, overlap, or the blocks exist already.
    bool createBlocks(int specialSlot, int specialX, int specialY, int firstCellSlot);

    // Squares: the cell indices of the corners P1, P2, P3, P4 of the square with side P1→P2,
    // lying on the side of a quarter turn from x towards y; false if they are not all cells.
    bool squareCorners(int x1, int y1, int x2, int y2, std::array<int, 4>& corners) const;
    bool cornersMatch(int i1, int i2, int i3, int i4) const;
    bool scanBoard();
    void appendSquare(SquareList& list, int x1, int y1, int x2, int y2);

    // Moves.
    void rotateGroup(int x, int y, bool counterClockwise);
    void makeMove(int x, int y, bool counterClockwise);
    void collapse();

    void showSpecial();
    void hideSpecial();

    void findHints();
    void clearHints();

    // Time and counters.
    void addTime(int n);
    void spendTime(int n);
    void addScore(std::int64_t n);
    void setLevel(int n);
    void setChain(int n);
    void setCombo(int n);
    void addRemoved(int n);

    // The board's part of a tick: blocks travel, the board at rest is scanned, marked blocks
    // play their clearing frames and are replaced.
    void stepBoard();
    // The wild animation step of every grid block, in cell order (also part of a tick).
    void updateBlocks();

    Block* getCell(int index) const;
    Block* getCell(int cx, int cy) const;
    Block* getSpecialBlock() const { return specialBlock; }
    const SquareList& getSquareList() const { return squareList; }
    const SquareList& getHintList() const { return hintList; }
    RandomGenerator& getRandom() { return random; }
    int getFramesPerKind() const { return framesPerKind; }

    int getLevel() const { return level; }
    int getScore() const { return score; }
    int getTimeLeft() const { return timeLeft; }
    int getChain() const { return chain; }
    int getCombo() const { return combo; }
    int getRemovedCount() const { return removedCount; }
    int getLevelTarget() const { return levelTarget; }
    int getLastPoints() const { return lastPoints; }
    int getLastSpecialAt() const { return lastSpecialAt; }
    int getOutlineColour() const { return outlineColour; }
    bool isGameRunning() const { return gameRunning; }
    bool isMoving() const { return moving; }
    bool isRemoving() const { return removing; }
    bool isPlayerMoved() const { return playerMoved; }
    bool isSpecialMatched() const { return specialMatched; }
    // Neither travelling nor clearing: a move would be taken.
    bool isIdle() const { return !moving && !removing; }

private:
    bool isSpecialShown() const;
    // Deletes the marked block of (cx, cy), drops the blocks above it and puts a new block on
    // top, in the deleted block's child slot.  The new block, or null when the block was not
    // one of the owner's children.
    Block* replaceMarked(int cx, int cy);
    // Moves the block of cell i one step towards its rest position; true if it moved.
    bool stepTowardsCell(int i);

    Widget& owner;
    BoardListener& listener;
    Bitmap* blockPicture;
    int framesPerKind;
    RandomGenerator random;

    std::array<Block*, cellCount> cells{};
    Block* specialBlock = nullptr;
    SquareList squareList;
    SquareList hintList;

    int level = 1;
    int score = 0;
    int timeLeft = timeMax / 2;
    int chain = 0;
    int combo = 0;
    int removedCount = 0;
    int levelTarget = blocksPerLevel;
    int lastPoints = 0;
    int lastSpecialAt = -10;
    int outlineColour = 0;

    bool gameRunning = true;
    bool moving = false;
    bool removing = false;
    bool playerMoved = false;
    bool specialMatched = false;
};

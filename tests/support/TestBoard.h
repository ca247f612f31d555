#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/BoardListener.h"
#include "game/BoardRules.h"
#include "ui/Widget.h"

// Records everything the board rules report, as the game screen would show or play it.
class RecordingListener : public BoardListener {
public:
    void counterChanged(BoardCounter counter, int value) override;
    void showPointsPopup() override { ++popupShown; }
    void hidePointsPopup() override { ++popupHidden; }
    void playSound(BoardSound sound) override { sounds.push_back(sound); }
    void gameOver(int score) override;

    // The last value reported for a counter, or -1 if none was.
    int shown(BoardCounter counter) const;
    int count(BoardSound sound) const;

    std::map<BoardCounter, int> counters;
    std::vector<BoardSound> sounds;
    int popupShown = 0;
    int popupHidden = 0;
    int gameOvers = 0;
    int finalScore = -1;
};

// Stands in for the game screen: a plain widget whose 78 children are laid out as the game
// screen's, with the special block in child 11 and the grid in children 12 to 75.
class BoardOwner : public Widget {
public:
    static constexpr int childTotal = 78;
    static constexpr int specialSlot = 11;
    static constexpr int firstCellSlot = 12;
    BoardOwner();
};

// A board without pictures, its owner and its listener, dealt from a fixed seed.
class TestBoard {
public:
    // A field without a single square, in kinds 4 to 9 only, so that squares drawn on it in
    // kinds 2 and 3 meet nothing else.
    static const std::array<const char*, 8> quietRows;

    explicit TestBoard(std::uint32_t seed = 1);

    // Sets every kind from eight rows of eight characters: '2'..'9' a colour, 'W' WildKind,
    // 'B' BonusWildKind, '.' the quiet field's kind of that cell.
    void setKinds(const std::array<const char*, 8>& rows);
    // The kinds as the same characters, row after row, separated by '/'.
    std::string kinds() const;

    // One game-screen tick: the board step, the wild animation, one time unit.
    void tick();
    // Ticks until the board is idle (or the game is over); the number of ticks taken.
    int settle(int maxTicks = 1000);
    // Plays a move and lets it run out; the number of ticks taken.
    int play(int x, int y, bool counterClockwise);

    // A move that closes a square, taken from the hint search (record `choice` modulo their
    // number); false when no turn makes one.  Leaves the hint list empty.
    bool hintedMove(unsigned choice, int& x, int& y, bool& counterClockwise);

    // Every cell holds its own block; the owner's children are exactly those blocks plus the
    // special block; time, level and target agree with the counters.
    testing::AssertionResult keepsInvariants() const;
    // At rest: no block marked, every block on its cell's rest position.
    testing::AssertionResult atRest() const;

    Block& cell(int cx, int cy) const { return *rules.getCell(cx, cy); }

    BoardOwner owner;
    RecordingListener listener;
    BoardRules rules;
};

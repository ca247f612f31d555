#pragma once

// Shared by the game-screen tests: a screen host with the real screens and a game dealt from a
// fixed time of day.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/GameScreen.h"
#include "game/Block.h"
#include "support/ScreenTest.h"
#include "ui/ScreenHost.h"

namespace game_test {

// A field without a single square where no single turn makes one either: kind (c + 3r) mod 8
// + 2 repeats only along steps whose square would leave the field.
extern const std::array<const char*, 8> hintlessRows;

class GameScreenTest : public ScreenTestBase {
protected:
    explicit GameScreenTest(int bitsPerPixel = 32) : ScreenTestBase(bitsPerPixel) {}

    // The real host, switched to the game as the menu's start button does; the clock reads
    // `seconds` while the game is dealt.
    GameScreen& startGame(std::int64_t seconds = 12345);
    ScreenHost& host() { return *hostWidget; }
    // The current game screen, or null when the host shows something else.
    GameScreen* currentGame();
    GameScreen& game() { return *currentGame(); }
    BoardRules& rules() { return game().getRules(); }

    // Sets the field's kinds from eight rows ('2'..'9' a colour, 'W' WildKind).
    void setKinds(const std::array<const char*, 8>& rows);
    std::string kinds();

    void frames(int n)
    {
        for (int i = 0; i < n; ++i)
            ASSERT_TRUE(frame());
    }

    // Plays out the rest of the time, so that the next tick ends the game.
    void leaveOneUnit() { rules().spendTime(rules().getTimeLeft() - 1); }

    // The inside of a block's picture at (x, y), one pixel in from each edge.
    std::vector<std::uint32_t> blockInside(int x, int y) { return region(x + 1, y + 1, x + 29, y + 29); }

    ScreenHost* hostWidget = nullptr;
};

}  // namespace game_test

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A round in progress as its seed and the turns the player made: the rules are integer logic
// driven by the ticks, so dealing from the same seed and making the same turns at the same
// ticks brings back the same field, score and time.  The text form is kept by the platform
// where a program can be ended without warning (a browser tab) and read back on the next start:
//
//   kelvary-round 1
//   seed 12345
//   ticks 420
//   turn 37 3 4 1        (before tick 37, the group at (3, 4), counter-clockwise)
class RoundRecord {
public:
    struct Turn {
        int tick = 0;  // ticks played before the turn
        int x = 0;
        int y = 0;
        bool counterClockwise = true;
        bool operator==(const Turn&) const = default;
    };

    // A round longer than this is not one a player made.
    static constexpr int mostTicks = 10'000'000;
    static constexpr std::size_t mostTurns = 200'000;

    explicit RoundRecord(std::uint32_t dealtFrom = 0) : seed(dealtFrom) {}

    void addTick() { ++ticks; }
    void addTurn(int x, int y, bool counterClockwise) { turns.push_back(Turn{ticks, x, y, counterClockwise}); }

    std::string format() const;
    // The record of a text written by `format`; nothing for a damaged or foreign text.
    static std::optional<RoundRecord> parse(const std::string& text);

    std::uint32_t getSeed() const { return seed; }
    int getTicks() const { return ticks; }
    const std::vector<Turn>& getTurns() const { return turns; }

private:
    std::uint32_t seed;
    int ticks = 0;
    std::vector<Turn> turns;
};

#pragma once

#include <cstdint>

// The game's one source of random numbers: a linear congruential generator returning 0..32767,
// so that the same seed deals the same blocks on every machine.  The board rules own it and
// hand it to every block they create.
class RandomGenerator {
public:
    static constexpr int valueCount = 32768;

    explicit RandomGenerator(std::uint32_t seedValue = 1) : state(seedValue) {}

    // The current time of day in whole seconds, the seed of a fresh game.
    static std::uint32_t clockSeed();

    void seed(std::uint32_t seedValue) { state = seedValue; }

    // The next number, 0..32767.
    int next();

    // One random choice among n: next() × n div 32768, so 0..n-1 for n > 0 (0 when n ≤ 0;
    // a number is drawn either way, keeping the sequence in step).
    int pick(int n);

private:
    std::uint32_t state;
};

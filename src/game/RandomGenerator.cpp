#include "game/RandomGenerator.h"

#include <ctime>

std::uint32_t RandomGenerator::clockSeed() { return static_cast<std::uint32_t>(std::time(nullptr)); }

int RandomGenerator::next()
{
    // Unsigned arithmetic wraps modulo 2^32 as the generator requires.
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
}

int RandomGenerator::pick(int n)
{
    const std::int64_t value = next();
    if (n <= 0)
        return 0;
    return static_cast<int>(value * n / valueCount);
}

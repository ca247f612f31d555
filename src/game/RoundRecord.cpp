#include "game/RoundRecord.h"

#include <sstream>

#include "game/BoardRules.h"

namespace {

constexpr const char* header = "kelvary-round 1";

// Reads "WORD NUMBER" from a line; false if the line is anything else.
bool readField(std::istringstream& in, const char* word, long long& value)
{
    std::string line, name;
    if (!std::getline(in, line))
        return false;
    std::istringstream fields(line);
    std::string rest;
    return fields >> name >> value && name == word && !(fields >> rest);
}

}  // namespace

std::string RoundRecord::format() const
{
    std::string text =
        std::string(header) + "\nseed " + std::to_string(seed) + "\nticks " + std::to_string(ticks) + "\n";
    for (const Turn& turn : turns)
        text += "turn " + std::to_string(turn.tick) + " " + std::to_string(turn.x) + " " + std::to_string(turn.y) +
                (turn.counterClockwise ? " 1\n" : " 0\n");
    return text;
}

std::optional<RoundRecord> RoundRecord::parse(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != header)
        return std::nullopt;
    long long seedValue = 0, ticks = 0;
    if (!readField(in, "seed", seedValue) || seedValue < 0 || seedValue > 0xFFFFFFFFLL ||
        !readField(in, "ticks", ticks) || ticks < 0 || ticks > mostTicks)
        return std::nullopt;
    RoundRecord record(static_cast<std::uint32_t>(seedValue));
    record.ticks = static_cast<int>(ticks);
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string word, rest;
        long long tick = 0, x = 0, y = 0, direction = 0;
        if (!(fields >> word >> tick >> x >> y >> direction) || word != "turn" || (fields >> rest))
            return std::nullopt;
        // Turns come in the order they were made, each on a group of the field.
        const int previous = record.turns.empty() ? 0 : record.turns.back().tick;
        if (tick < previous || tick > ticks || x < 0 || x > BoardRules::gridWidth - 2 || y < 0 ||
            y > BoardRules::gridHeight - 2 || (direction != 0 && direction != 1) || record.turns.size() >= mostTurns)
            return std::nullopt;
        record.turns.push_back(Turn{static_cast<int>(tick), static_cast<int>(x), static_cast<int>(y), direction == 1});
    }
    return record;
}

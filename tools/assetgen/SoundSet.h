#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The game's seven sound effects, synthesised.
struct SoundEffectFile {
    std::string fileName;
    std::vector<std::int16_t> samples;
};

namespace SoundSet {

std::vector<SoundEffectFile> make();

}  // namespace SoundSet

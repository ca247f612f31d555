#pragma once

#include <cstdint>
#include <vector>

// A RIFF WAVE file: PCM, one channel, 16 bits, with the plain 16-byte format chunk that
// the game's sound reader expects.
namespace WaveFile {

std::vector<std::uint8_t> encode(int sampleRate, const std::vector<std::int16_t>& samples);

}  // namespace WaveFile

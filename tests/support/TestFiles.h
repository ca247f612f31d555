#pragma once

// Pictures and sounds written by the tests themselves into a temporary folder.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// A 24-bit Windows bitmap file, colour(x, y) giving 0x00RRGGBB for each pixel (top row first).
void writeBitmapFile(const std::filesystem::path& path, int width, int height,
                     const std::function<std::uint32_t(int x, int y)>& colour);

// The pieces of a RIFF WAVE file, to be assembled (and broken) at will.
struct WaveFileParts {
    std::uint16_t formatTag = 1;
    std::uint16_t channels = 1;
    std::uint32_t sampleRate = 22050;
    std::uint16_t bitsPerSample = 16;
    int formatChunkBytes = 16;  // 18 with the extension-size field, as many tools write it
    std::vector<std::uint8_t> samples;
    std::int64_t declaredDataBytes = -1;        // the data chunk's size field; -1: the real size
    std::vector<std::uint8_t> chunkBeforeData;  // a whole extra chunk (e.g. "LIST") before "data"
    bool withData = true;
};

std::vector<std::uint8_t> buildWaveFile(const WaveFileParts& parts);
// `seconds` of a 16-bit tone at the given rate and channel count.
std::vector<std::uint8_t> toneSamples(double seconds, std::uint32_t sampleRate = 22050, int channels = 1);
void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

#include "support/TestFiles.h"

#include <cmath>
#include <fstream>
#include <initializer_list>

namespace {

// Appends each value little-endian in `bytes` bytes.
void put(std::vector<std::uint8_t>& out, int bytes, std::initializer_list<std::uint32_t> values)
{
    for (std::uint32_t value : values)
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putId(std::vector<std::uint8_t>& out, const char* id)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(id[i]));
}

}  // namespace

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void writeBitmapFile(const std::filesystem::path& path, int width, int height,
                     const std::function<std::uint32_t(int x, int y)>& colour)
{
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> out{'B', 'M'};
    put(out, 4, {54 + pixelBytes, 0, 54, 40, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)});
    put(out, 2, {1, 24});
    put(out, 4, {0, pixelBytes, 2835, 2835, 0, 0});
    for (int y = height - 1; y >= 0; --y) {  // bottom-up rows
        for (int x = 0; x < width; ++x)
            put(out, 3, {colour(x, y)});
        out.resize(out.size() + rowBytes - static_cast<std::uint32_t>(width) * 3, 0);
    }
    writeBytes(path, out);
}

std::vector<std::uint8_t> buildWaveFile(const WaveFileParts& parts)
{
    std::vector<std::uint8_t> body;
    putId(body, "WAVE");
    putId(body, "fmt ");
    put(body, 4, {static_cast<std::uint32_t>(parts.formatChunkBytes)});
    const std::uint32_t blockAlign = parts.channels * (parts.bitsPerSample / 8);
    std::vector<std::uint8_t> format;
    put(format, 2, {parts.formatTag, parts.channels});
    put(format, 4, {parts.sampleRate, parts.sampleRate * blockAlign});
    put(format, 2, {blockAlign, parts.bitsPerSample});
    // Bytes past the first 16 (the extension size and whatever follows) are zero, and an odd
    // chunk is padded.
    format.resize(static_cast<std::size_t>(parts.formatChunkBytes + parts.formatChunkBytes % 2), 0);
    body.insert(body.end(), format.begin(), format.end());
    body.insert(body.end(), parts.chunkBeforeData.begin(), parts.chunkBeforeData.end());
    if (parts.withData) {
        putId(body, "data");
        put(body, 4,
            {static_cast<std::uint32_t>(parts.declaredDataBytes >= 0
                                            ? parts.declaredDataBytes
                                            : static_cast<std::int64_t>(parts.samples.size()))});
        body.insert(body.end(), parts.samples.begin(), parts.samples.end());
    }
    std::vector<std::uint8_t> file;
    putId(file, "RIFF");
    put(file, 4, {static_cast<std::uint32_t>(body.size())});
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

std::vector<std::uint8_t> toneSamples(double seconds, std::uint32_t sampleRate, int channels)
{
    std::vector<std::uint8_t> out;
    const auto frames = static_cast<std::uint32_t>(seconds * sampleRate);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const auto sample = static_cast<std::int16_t>(8000.0 * std::sin(i * 440.0 * 2.0 * 3.14159265 / sampleRate));
        for (int c = 0; c < channels; ++c)
            put(out, 2, {static_cast<std::uint16_t>(sample)});
    }
    return out;
}

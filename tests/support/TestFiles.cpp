#include "support/TestFiles.h"

#include <cmath>
#include <fstream>

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
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
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, 54 + pixelBytes);
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));  // bottom-up rows
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);
    put32(out, pixelBytes);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = colour(x, y);
            out.push_back(static_cast<std::uint8_t>(c));
            out.push_back(static_cast<std::uint8_t>(c >> 8));
            out.push_back(static_cast<std::uint8_t>(c >> 16));
            written += 3;
        }
        for (; written < rowBytes; ++written)
            out.push_back(0);
    }
    writeBytes(path, out);
}

std::vector<std::uint8_t> buildWaveFile(const WaveFileParts& parts)
{
    std::vector<std::uint8_t> body;
    putId(body, "WAVE");
    putId(body, "fmt ");
    put32(body, static_cast<std::uint32_t>(parts.formatChunkBytes));
    const std::uint16_t blockAlign = static_cast<std::uint16_t>(parts.channels * (parts.bitsPerSample / 8));
    std::vector<std::uint8_t> format;
    put16(format, parts.formatTag);
    put16(format, parts.channels);
    put32(format, parts.sampleRate);
    put32(format, parts.sampleRate * blockAlign);
    put16(format, blockAlign);
    put16(format, parts.bitsPerSample);
    // Bytes past the first 16 (the extension size and whatever follows) are zero.
    format.resize(static_cast<std::size_t>(parts.formatChunkBytes), 0);
    for (std::uint8_t byte : format)
        body.push_back(byte);
    if (parts.formatChunkBytes % 2 != 0)
        body.push_back(0);
    for (std::uint8_t byte : parts.chunkBeforeData)
        body.push_back(byte);
    if (parts.withData) {
        putId(body, "data");
        put32(body, parts.declaredDataBytes >= 0 ? static_cast<std::uint32_t>(parts.declaredDataBytes)
                                                 : static_cast<std::uint32_t>(parts.samples.size()));
        for (std::uint8_t byte : parts.samples)
            body.push_back(byte);
    }
    std::vector<std::uint8_t> file;
    putId(file, "RIFF");
    put32(file, static_cast<std::uint32_t>(body.size()));
    for (std::uint8_t byte : body)
        file.push_back(byte);
    return file;
}

std::vector<std::uint8_t> toneSamples(double seconds, std::uint32_t sampleRate, int channels)
{
    std::vector<std::uint8_t> out;
    const auto frames = static_cast<std::uint32_t>(seconds * sampleRate);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const auto sample = static_cast<std::int16_t>(8000.0 * std::sin(i * 440.0 * 2.0 * 3.14159265 / sampleRate));
        for (int c = 0; c < channels; ++c)
            put16(out, static_cast<std::uint16_t>(sample));
    }
    return out;
}

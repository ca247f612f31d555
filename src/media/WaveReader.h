#pragma once

#include <cstdint>
#include <cstdio>

// Reads the parts of a RIFF WAVE file that a sound effect needs: the PCM format from the
// "fmt " chunk and the sound bytes of the "data" chunk.  Safe on any file: it never reads past
// the end, and sizes in the file are only believed as far as the file reaches.
class WaveReader {
public:
    WaveReader() = default;
    WaveReader(const WaveReader&) = delete;
    WaveReader& operator=(const WaveReader&) = delete;
    ~WaveReader();

    // Opens the file and checks that it is a RIFF chunk of form "WAVE".
    bool open(const char* fileName);
    void close();
    bool isOpen() const { return file != nullptr; }

    // Reads the first 16 bytes of the "fmt " chunk (which must hold at least 16), then finds
    // the "data" chunk after the whole format chunk (padded to an even size, as RIFF pads).
    bool readHeader();
    // Finds the "data" chunk from the start of the form, ready for `readData`.
    bool findData();
    // Copies up to `bytes` bytes of the data chunk from where reading stands; returns how many
    // were there (fewer when the chunk or the file ends first).
    std::uint32_t readData(std::uint8_t* into, std::uint32_t bytes);

    int formatTag = 0;
    int channels = 0;
    int samplesPerSecond = 0;
    std::uint32_t averageBytesPerSecond = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
    std::uint32_t dataSize = 0;    // as the data chunk declares it
    std::uint64_t dataOffset = 0;  // file offset of the first sound byte
    std::uint64_t fileSize = 0;

private:
    // Looks for a chunk from `from` to the end of the form; on success `offset` is its first
    // content byte and `size` its declared size.
    bool findChunk(const char id[4], std::uint64_t from, std::uint64_t& offset, std::uint32_t& size);
    // Reading starts at the data chunk found at `offset`.
    bool useDataChunk(std::uint64_t offset, std::uint32_t size);
    bool readAt(std::uint64_t offset, void* into, std::size_t bytes);

    std::FILE* file = nullptr;
    std::uint64_t formEnd = 0;       // end of the RIFF chunk, cut to the file's size
    std::uint64_t readPosition = 0;  // next data byte for `readData`
};

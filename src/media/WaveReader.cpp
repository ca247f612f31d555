#include "media/WaveReader.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint64_t riffHeaderBytes = 12;  // "RIFF", size, "WAVE"
constexpr std::uint64_t chunkHeaderBytes = 8;  // identifier, size
constexpr std::uint32_t formatBytesRead = 16;

std::uint32_t little32(const std::uint8_t* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

int little16(const std::uint8_t* bytes)
{
    return static_cast<int>(static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8));
}

}  // namespace

WaveReader::~WaveReader() { close(); }

void WaveReader::close()
{
    if (file)
        std::fclose(file);
    file = nullptr;
}

bool WaveReader::readAt(std::uint64_t offset, void* into, std::size_t bytes)
{
    if (!file || offset > fileSize || bytes > fileSize - offset)
        return false;
    if (std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0)
        return false;
    return std::fread(into, 1, bytes, file) == bytes;
}

bool WaveReader::open(const char* fileName)
{
    close();
    if (!fileName)
        return false;
    file = std::fopen(fileName, "rb");
    if (!file)
        return false;
    if (std::fseek(file, 0, SEEK_END) != 0) {
        close();
        return false;
    }
    const long end = std::ftell(file);
    if (end < 0) {
        close();
        return false;
    }
    fileSize = static_cast<std::uint64_t>(end);

    std::uint8_t header[riffHeaderBytes];
    if (!readAt(0, header, sizeof header) || std::memcmp(header, "RIFF", 4) != 0 ||
        std::memcmp(header + 8, "WAVE", 4) != 0) {
        close();
        return false;
    }
    formEnd = std::min<std::uint64_t>(chunkHeaderBytes + little32(header + 4), fileSize);
    if (formEnd < riffHeaderBytes) {
        close();
        return false;
    }
    return true;
}

bool WaveReader::findChunk(const char id[4], std::uint64_t from, std::uint64_t& offset, std::uint32_t& size)
{
    std::uint64_t position = from;
    while (position + chunkHeaderBytes <= formEnd) {
        std::uint8_t header[chunkHeaderBytes];
        if (!readAt(position, header, sizeof header))
            return false;
        const std::uint32_t chunkSize = little32(header + 4);
        if (std::memcmp(header, id, 4) == 0) {
            offset = position + chunkHeaderBytes;
            size = chunkSize;
            return true;
        }
        // Chunks are padded to an even number of bytes.
        position += chunkHeaderBytes + chunkSize + (chunkSize & 1u);
    }
    return false;
}

bool WaveReader::readHeader()
{
    if (!file)
        return false;
    std::uint64_t formatOffset = 0;
    std::uint32_t formatSize = 0;
    if (!findChunk("fmt ", riffHeaderBytes, formatOffset, formatSize) || formatSize < formatBytesRead)
        return false;
    std::uint8_t format[formatBytesRead];
    if (!readAt(formatOffset, format, sizeof format))
        return false;
    formatTag = little16(format);
    channels = little16(format + 2);
    samplesPerSecond = static_cast<int>(std::min<std::uint32_t>(little32(format + 4), 0x7FFFFFFF));
    averageBytesPerSecond = little32(format + 8);
    blockAlign = little16(format + 12);
    bitsPerSample = little16(format + 14);

    // The data chunk is looked for after the whole format chunk, however long it is.
    const std::uint64_t afterFormat = formatOffset + formatSize + (formatSize & 1u);
    std::uint64_t offset = 0;
    std::uint32_t size = 0;
    return findChunk("data", afterFormat, offset, size) && useDataChunk(offset, size);
}

bool WaveReader::findData()
{
    if (!file)
        return false;
    std::uint64_t offset = 0;
    std::uint32_t size = 0;
    return findChunk("data", riffHeaderBytes, offset, size) && useDataChunk(offset, size);
}

bool WaveReader::useDataChunk(std::uint64_t offset, std::uint32_t size)
{
    dataOffset = offset;
    dataSize = size;
    readPosition = offset;
    return true;
}

std::uint32_t WaveReader::readData(std::uint8_t* into, std::uint32_t bytes)
{
    if (!file || !into)
        return 0;
    const std::uint64_t chunkEnd = std::min<std::uint64_t>(dataOffset + dataSize, fileSize);
    if (readPosition >= chunkEnd)
        return 0;
    const std::uint64_t count = std::min<std::uint64_t>(bytes, chunkEnd - readPosition);
    if (std::fseek(file, static_cast<long>(readPosition), SEEK_SET) != 0)
        return 0;
    const std::size_t got = std::fread(into, 1, static_cast<std::size_t>(count), file);
    readPosition += got;
    return static_cast<std::uint32_t>(got);
}

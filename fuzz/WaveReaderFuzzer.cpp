// The sound files' reader on any bytes: the header, the search for the sound data, and every
// sound byte the file says it holds, read in pieces as a sound effect reads them.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "FuzzInputFile.h"
#include "media/WaveReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = writeFuzzInput(data, size, ".wav");
    WaveReader reader;
    if (!reader.open(path.c_str()))
        return 0;
    if (reader.readHeader()) {
        std::vector<std::uint8_t> piece(4096);
        std::uint64_t total = 0;
        for (;;) {
            const std::uint32_t got = reader.readData(piece.data(), static_cast<std::uint32_t>(piece.size()));
            if (got > piece.size())
                std::abort();  // more than was asked for: an overrun
            if (got == 0)
                break;
            total += got;
        }
        // Everything read lies inside the file.
        if (total > size)
            std::abort();
    }
    if (reader.findData()) {
        std::uint8_t byte = 0;
        reader.readData(&byte, 1);
    }
    reader.close();
    return 0;
}

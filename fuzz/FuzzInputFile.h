#pragma once

// The readers under test take a file name, as the game gives them one: each input is written
// to one scratch file of this process and read back from there.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include <unistd.h>

inline const std::string& writeFuzzInput(const std::uint8_t* data, std::size_t size, const char* suffix)
{
    static const std::string path = "/tmp/kelvary-fuzz-" + std::to_string(static_cast<long>(::getpid())) + suffix;
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        if (size > 0)
            std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return path;
}

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The folder the generator writes into; remembers the first failure.
class OutputFolder {
public:
    explicit OutputFolder(std::filesystem::path root);

    // Writes the bytes to the relative path, creating folders on the way.  A file that
    // already holds exactly these bytes is left untouched, so its time stamp stays.
    bool write(const std::string& relativePath, const std::vector<std::uint8_t>& bytes);

    bool ok() const { return error.empty(); }
    const std::string& firstError() const { return error; }
    int filesWritten() const { return written; }

private:
    std::filesystem::path root;
    std::string error;
    int written = 0;
};

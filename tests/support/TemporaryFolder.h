#pragma once

#include <filesystem>

// A new empty folder under the system's temporary folder (its own path when none can be
// made); the caller removes it.
std::filesystem::path makeTemporaryFolder();

// A new empty folder under the system's temporary folder, removed by the destructor.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    const std::filesystem::path& path() const { return folder; }

private:
    std::filesystem::path folder;
};

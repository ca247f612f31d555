#include "support/TemporaryFolder.h"

#include <random>
#include <string>

std::filesystem::path makeTemporaryFolder()
{
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = std::filesystem::temp_directory_path() /
                         ("kelvary-test-" + std::to_string(entropy()) + "-" + std::to_string(attempt));
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error))
            return candidate;
    }
    return std::filesystem::temp_directory_path();
}

TemporaryFolder::TemporaryFolder() : folder(makeTemporaryFolder()) {}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}

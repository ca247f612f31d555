#include "OutputFolder.h"

#include <fstream>
#include <iterator>
#include <system_error>

OutputFolder::OutputFolder(std::filesystem::path folder) : root(std::move(folder)) {}

bool OutputFolder::write(const std::string& relativePath, const std::vector<std::uint8_t>& bytes)
{
    const std::filesystem::path path = root / relativePath;
    if (bytes.empty()) {
        if (error.empty())
            error = "nothing to write for " + path.string();
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    if (ec) {
        if (error.empty())
            error = "cannot create " + path.parent_path().string() + ": " + ec.message();
        return false;
    }
    {
        std::ifstream existing(path, std::ios::binary);
        if (existing) {
            const std::vector<std::uint8_t> old((std::istreambuf_iterator<char>(existing)),
                                                std::istreambuf_iterator<char>());
            if (old == bytes) {
                ++written;
                return true;
            }
        }
    }
    // Write beside the target and rename, so that a reader never sees half a file.
    const std::filesystem::path temporary = path.string() + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, ec);
            if (error.empty())
                error = "cannot write " + path.string();
            return false;
        }
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        if (error.empty())
            error = "cannot write " + path.string();
        return false;
    }
    ++written;
    return true;
}

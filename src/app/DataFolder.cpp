#include "app/DataFolder.h"

#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// A folder holds the game's data when it holds the first picture the game shows.
constexpr const char* dataMarker = "company.bmp";

#ifndef KELVARY_INSTALLED_DATA_FROM_PROGRAM
#define KELVARY_INSTALLED_DATA_FROM_PROGRAM ""
#endif

bool holdsData(const fs::path& folder)
{
    std::error_code error;
    return fs::is_regular_file(folder / dataMarker, error);
}

// The folder's name for the player; a name the message's character set cannot show keeps
// its UTF-8 bytes.
std::string displayName(const fs::path& folder)
{
    const auto text = folder.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

std::vector<fs::path> dataFolderCandidates(const fs::path& programFolder)
{
    if (programFolder.empty())
        return {fs::path(".")};
    std::vector<fs::path> folders{programFolder};
    const fs::path installed = KELVARY_INSTALLED_DATA_FROM_PROGRAM;
    if (!installed.empty())
        folders.push_back((programFolder / installed).lexically_normal());
    return folders;
}

bool enterDataFolder(platform::Platform& platformInstance)
{
    const auto folders = dataFolderCandidates(platformInstance.getProgramFolder());
    for (const auto& folder : folders) {
        std::error_code error;
        if (holdsData(folder) && (fs::current_path(folder, error), !error))
            return true;
    }
    std::string text = "The game's pictures and sounds were not found. Looked in:\n";
    for (const auto& folder : folders) {
        std::error_code error;
        const fs::path shown = fs::absolute(folder, error);
        text += '\n';
        text += displayName(error ? folder : shown);
    }
    text += "\n\nPlease install the game again.";
    platformInstance.showMessageBox(nullptr, "Cannot Find Game Data", text.c_str(), platform::MessageIcon::Error);
    return false;
}

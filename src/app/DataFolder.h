#pragma once

// The game's pictures, sounds and help are read by relative name, so the program changes
// into the folder that holds them before anything is loaded.

#include <filesystem>
#include <vector>

#include "platform/Platform.h"

// Where the data may be, in the order looked at: beside the program, then the installed
// data folder relative to it.  With no program folder known, the current directory.
std::vector<std::filesystem::path> dataFolderCandidates(const std::filesystem::path& programFolder);

// Makes the first candidate that holds the game's pictures the current directory.  Where none
// does, a message box names every folder looked in and the result is false: the program then
// ends with exit code 1 instead of running without pictures and sounds.
bool enterDataFolder(platform::Platform& platformInstance);

#pragma once

#include <string>

class OutputFolder;

// Draws and synthesises every picture, sound and icon of the game and the help pictures,
// and writes them into the output folder.
class AssetGenerator {
public:
    // False with a message in `error` when the fonts are missing or a file cannot be written.
    bool run(OutputFolder& folder, std::string& error);
};

// kelvary-assetgen OUTDIR: writes every picture, sound and icon of the game, and the help
// pages' pictures, into OUTDIR (the folder the game runs in).

#include <cstdio>
#include <string>

#include "AssetGenerator.h"
#include "OutputFolder.h"

int main(int argc, char** argv)
{
    if (argc != 2 || argv[1][0] == '\0') {
        std::fprintf(stderr, "usage: kelvary-assetgen OUTDIR\n");
        return 2;
    }
    OutputFolder folder(argv[1]);
    std::string error;
    if (!AssetGenerator().run(folder, error)) {
        std::fprintf(stderr, "kelvary-assetgen: %s\n", error.c_str());
        return 1;
    }
    std::printf("kelvary-assetgen: %d files in %s\n", folder.filesWritten(), argv[1]);
    return 0;
}

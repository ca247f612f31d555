// The picture loading path on any bytes: a file is copied into surfaces of the game's three
// depths, at the file's own size and stretched, as the pictures of the game are loaded.
#include <SDL.h>

#include <cstdint>
#include <memory>

#include "FuzzInputFile.h"
#include "platform/sdl/SdlSurface.h"

using platform::sdl::SdlSurface;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = writeFuzzInput(data, size, ".bmp");
    static const int depths[] = {16, 24, 32};
    static const int sides[] = {1, 30, 97};
    for (int i = 0; i < 3; ++i) {
        auto surface = SdlSurface::create(sides[i], sides[(i + 1) % 3], SdlSurface::formatForDepth(depths[i]));
        if (surface)
            surface->loadPicture(path.c_str());
    }
    return 0;
}

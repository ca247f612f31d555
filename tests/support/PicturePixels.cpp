#include "support/PicturePixels.h"

#include "platform/sdl/SdlPlatform.h"
#include "support/DriverRun.h"

unsigned long long hashPicturePixels(const std::string& path)
{
    int width = 0;
    int height = 0;
    const auto pixels = platform::sdl::readPictureRgb(path.c_str(), width, height);
    return pixels.empty() ? 0 : hashBytes(pixels.data(), pixels.size());
}

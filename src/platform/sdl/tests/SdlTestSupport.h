#pragma once

// Shared helpers of the SDL layer's tests: temporary folders, a headless platform with a
// window and display, picture files written on the spot, raw pixel access.

#include <SDL.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/sdl/SdlPlatform.h"
#include "platform/sdl/SdlSurface.h"

namespace platform::sdl::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kelvary-sdl-XXXXXX").string();
        if (::mkdtemp(pattern.data())) folder = pattern;
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return folder; }
    std::string file(const std::string& name) const { return (folder / name).string(); }

private:
    std::filesystem::path folder;
};

// Runs the test from another current folder and goes back afterwards.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder) : previous(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(previous); }

private:
    std::filesystem::path previous;
};

inline std::string readFile(const std::string& path) {
    std::string text;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
        std::fclose(f);
    }
    return text;
}

inline void writeFile(const std::string& path, const std::string& text) {
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
}

// A headless platform at one depth, with its window and display surfaces up.
struct Display {
    explicit Display(int bits, bool fullScreen = false, std::string settingsFolder = {}) {
        Options options;
        options.backSurfaceBits = bits;
        options.settingsFolder = std::move(settingsFolder);
        platform = createSdlPlatform(options);
        WindowSettings settings;
        settings.fullScreen = fullScreen;
        window = platform->createWindow(settings);
        if (window) device = platform->createDisplayDevice(*window, 800, 600, 16);
        if (device && !device->createSurfaces()) device.reset();
    }
    ~Display() {
        if (platform) platform->setMessageHandler(nullptr);  // the test's handler may be gone
        device.reset();
        window.reset();
        platform.reset();
    }
    bool ready() const { return device != nullptr; }

    std::unique_ptr<Platform> platform;
    std::unique_ptr<Window> window;
    std::unique_ptr<DisplayDevice> device;
};

// Raw pixel values of a surface, read and written through its lock.
inline std::uint32_t pixelAt(Surface& surface, int x, int y) {
    LockedPixels locked;
    if (!surface.lock(Rect{x, y, x + 1, y + 1}, locked)) return 0xDEADBEEF;
    std::uint32_t value = 0;
    const int bytes = surface.getBitsPerPixel() / 8;
    for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | locked.bits[i];
    surface.unlock();
    return value;
}

inline void setPixel(Surface& surface, int x, int y, std::uint32_t value) {
    surface.fill(Rect{x, y, x + 1, y + 1}, value);
}

// The raw value of an 0xRRGGBB colour at a depth (5-6-5 at 16 bits).
inline std::uint32_t rawColour(int bits, std::uint32_t rgb) {
    if (bits != 16) return rgb & 0xFFFFFF;
    const std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3);
}

// Writes a 24-bit picture file whose pixels come from colour(x, y) = 0xRRGGBB.
template <typename ColourOf>
bool writePicture(const std::string& path, int width, int height, ColourOf colour) {
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_BGR24);
    if (!picture) return false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = colour(x, y);
            auto* p = static_cast<std::uint8_t*>(picture->pixels) + y * picture->pitch + x * 3;
            p[0] = c & 0xFF;
            p[1] = (c >> 8) & 0xFF;
            p[2] = (c >> 16) & 0xFF;
        }
    const bool saved = SDL_SaveBMP(picture, path.c_str()) == 0;
    SDL_FreeSurface(picture);
    return saved;
}

// Writes a 16-bit (5-5-5) picture file of one colour, built byte by byte.
inline void writePicture555(const std::string& path, int width, int height, std::uint16_t pixel) {
    const int stride = (width * 2 + 3) & ~3;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(stride * height);
    std::string file;
    auto put = [&file](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) file += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    file += "BM";
    put(54 + dataSize, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(width), 4);
    put(static_cast<std::uint32_t>(height), 4);
    put(1, 2);
    put(16, 2);
    put(0, 4);
    put(dataSize, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) put(pixel, 2);
        for (int pad = width * 2; pad < stride; ++pad) file += '\0';
    }
    writeFile(path, file);
}

}  // namespace platform::sdl::test

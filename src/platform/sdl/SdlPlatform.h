#pragma once

// The SDL2 layer's public face for the program, the tools and the tests.  It includes no
// SDL header, so code outside this folder can use it.

#include <memory>
#include <string>

#include "platform/Platform.h"

namespace platform::sdl {

struct Options {
    // Depth of the back surface and of every off-screen surface: 16 (5-6-5), 24 or 32.
    // 0 takes the display's own depth (32 where the display cannot say).
    int backSurfaceBits = 0;
    // Folder of the settings file; empty: SDL's per-user folder for "harrowdine"/"Kelvary".
    std::string settingsFolder;
};

std::unique_ptr<Platform> createSdlPlatform(const Options& options);

// Faults that real displays produce, provoked on purpose by tests.
void loseSurface(Surface& surface);           // the surface's memory is gone until restored
void failPresents(DisplayDevice& device, int count);  // the next `count` presents fail

// Writes the surface as a 24-bit RGB PNG, whatever its depth.
bool saveScreenshot(Surface& surface, const char* pngFile);

// Puts a message into the queue as if the window had sent it (the headless driver's input).
void postMessage(Platform& platform, const Message& message);

}  // namespace platform::sdl

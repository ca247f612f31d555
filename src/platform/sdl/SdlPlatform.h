#pragma once

// The SDL2 layer's public face for the program, the tools and the tests.  It includes no
// SDL header, so code outside this folder can use it.

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace platform::sdl {

struct Options {
    // Depth of the back surface and of every off-screen surface: 16 (5-6-5), 24 or 32.
    // 0 takes the display's own depth (32 where the display cannot say).
    int backSurfaceBits = 0;
    // Folder of the settings file; empty: SDL's per-user folder for "harrowdine"/"Kelvary".
    std::string settingsFolder;
    // A frame like the one on show is not shown again.  The browser's page keeps what its
    // canvas shows, and every copy into it is costly; a desktop window may need repainting
    // after it was covered, so there every frame is shown.
#ifdef __EMSCRIPTEN__
    bool showOnlyChangedFrames = true;
#else
    bool showOnlyChangedFrames = false;
#endif
};

std::unique_ptr<Platform> createSdlPlatform(const Options& options);

// Faults that real displays produce, provoked on purpose by tests.
void loseSurface(Surface& surface);  // the surface's memory is gone until restored

// The next settings key opened on this platform stops its save after the temporary file is
// written, as a crash or a full disk would: the stored file stays as it was.
void interruptNextSettingsSave(Platform& platform);

// Puts a message into the queue as if the window had sent it (the headless driver's input).
void postMessage(Platform& platform, const Message& message);

// The messages the layer makes of a finger on the window at (x, y) in window pixels, at
// `timeMs` on the layer's clock, translated as the window's touch events are (the headless
// driver's touches).  They are returned, not queued.
enum class FingerPhase {
    Down,
    Move,
    Up
};
std::deque<Message> feedFinger(Platform& platform, FingerPhase phase, long long finger, int x, int y,
                               std::uint32_t timeMs);

// The same for a game controller's button (SDL's numbering: 0 A, 1 B, 2 X, 3 Y, 4 Back,
// 6 Start, 11 to 14 up, down, left, right) and its left stick (axis 0 across, 1 down;
// -32768 to 32767).
std::deque<Message> feedPadButton(Platform& platform, int button, bool down);
std::deque<Message> feedPadAxis(Platform& platform, int axis, int value);

// Whether the game asks for the on-screen keyboard now (a name field is open).
bool isTextEntryShown(Platform& platform);

// The last address the shell was asked to open (web page or help), empty if none.  Under
// the dummy video driver nothing is launched, so this is how a headless run sees it.
std::string lastOpenedAddress(Platform& platform);

// Writes the surface as a 24-bit RGB PNG file, whatever its depth.  False if the surface is
// lost or the file cannot be written.
bool saveScreenshot(Surface& surface, const char* pngFile);

// The pixels of a picture file (a screenshot, say) as rows of red, green and blue bytes, top
// row first, without padding.  Empty, with width and height 0, if it cannot be read.
std::vector<unsigned char> readPictureRgb(const char* file, int& width, int& height);

}  // namespace platform::sdl

#pragma once

// What the game asks of the page around it in the browser (web/page.js).

#include <string>

namespace platform::sdl::web {

// Sleeps the program for `milliseconds`, letting the browser run meanwhile.
void sleepFor(int milliseconds);

// Asks the page to show the game in the browser's full screen, or to leave it.  The page
// alone sizes the canvas; browsers enter full screen only in answer to a click or a key, so
// the page may hold the request until the next one.
void showFullScreen(bool fullScreen);

// True once after the browser left full screen on its own (Escape, the back gesture).
bool takeFullScreenLeft();

// The browser mixes sound on the page's own thread even in silence: the audio rests while
// nothing plays and wakes for the next sound.
void restAudio();
void wakeAudio();

// Shows one area of the window's 32-bit picture (SDL's browser format) on the page's canvas,
// after SDL has shown the whole picture once; false if the canvas is not SDL's any more.
bool showCanvasArea(const void* pixels, int pitch, int x, int y, int width, int height);

// The round kept in the browser's storage; empty if none or the storage is unavailable.
std::string readKeptRound();
// Keeps the round's record (an empty one removes it); storage full or blocked keeps nothing.
void storeKeptRound(const std::string& record);

}  // namespace platform::sdl::web

#pragma once

// The phone's on-screen keyboard in the browser: the page keeps a text input of its own that
// it focuses while the game asks for typed text, and hands what is typed there to the game as
// SDL's own text and key events.

namespace platform::sdl {

// Tells the page (its window.kelvaryTextEntry, where it has one) to show or hide the keyboard.
void showPageTextEntry(bool shown);

}  // namespace platform::sdl

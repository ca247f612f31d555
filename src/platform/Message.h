#pragma once

namespace platform {

// What the window tells the game, in the terms of the game's window procedure.
enum class MessageKind {
    Close,           // the player asked to close the window; handled by destroying it
    Destroy,         // the window is being destroyed
    Size,            // value: 1 when the window was minimised, 0 otherwise
    KeyDown,         // value: virtual-key code (one per auto-repeat)
    KeyUp,           // value: virtual-key code
    Char,            // value: character code (32..126 printable, 8/9/13/27 control, >= 128 other)
    MouseMove,       // x, y: pointer position on the 800x600 logical screen; value: 0 for the mouse,
                     // pointer::touch for a finger, plus pointer::touchBegins on its first place
    ButtonDown,      // x, y as above; value: buttons held at this press (1 left, 2 right, 4 middle),
                     // plus pointer::touch when a finger's touch ended (x, y where it began)
    Quit,            // value: exit code; ends the message loop
    EndSession,      // the program is ended at once, with no frame to come (a browser page going away):
                     // store now what an orderly end would store; sent directly, never queued
    FullScreenLeft,  // the system took the window out of full screen by itself (a browser's Escape)
};

struct Message {
    MessageKind kind = MessageKind::Quit;
    int value = 0;
    int x = 0;
    int y = 0;
};

// Flags in the value of the pointer's messages, above the three mouse buttons.
namespace pointer {
constexpr int touch = 8;
constexpr int touchBegins = 16;
}  // namespace pointer

// Virtual-key codes the game and its layers agree on (the Windows values).
namespace vk {
constexpr int Backspace = 8;
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Shift = 16;
constexpr int Control = 17;
constexpr int Alt = 18;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Insert = 45;
constexpr int Delete = 46;
constexpr int Digit0 = 48;   // '0'..'9' are 48..57
constexpr int LetterA = 65;  // 'A'..'Z' are 65..90
constexpr int F1 = 112;      // F1..F12 are 112..123
// A game controller's face buttons (its pad and stick arrive as the arrow keys, its Start
// as Tab and its Back as Escape).
constexpr int PadA = 195;
constexpr int PadB = 196;
constexpr int PadX = 197;
constexpr int PadY = 198;
}  // namespace vk

}  // namespace platform

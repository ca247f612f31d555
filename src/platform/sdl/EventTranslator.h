#pragma once

// Turns SDL's events into the messages of the game's window procedure.

#include <SDL.h>

#include <cstdint>
#include <deque>

#include "platform/Message.h"
#include "platform/sdl/GamepadInput.h"
#include "platform/sdl/TouchGesture.h"

namespace platform::sdl {

class EventTranslator {
public:
    // Appends the messages `event` stands for to `queue` (none for most events).  Window
    // events count only for `windowId`, the game's current window.
    void translate(const SDL_Event& event, std::uint32_t windowId, std::deque<Message>& queue);

    // A finger's event, its place already mapped onto the picture.
    void translateFinger(const SDL_TouchFingerEvent& finger, int x, int y, std::deque<Message>& queue);

    // The Windows virtual-key code of a key, 0 for keys the game has no code for (they are
    // delivered with that code).
    static int virtualKey(const SDL_Keysym& key);

    // A hidden window (a browser tab in the background, a locked phone) counts as minimised:
    // the game pauses until it shows again.  Desktop windows keep to minimise and restore.
    void pauseWhenHidden(bool pause) { hiddenPauses = pause; }

private:
    bool hiddenPauses = false;
    int heldButtons = 0;  // 1 left, 2 right, 4 middle: tracked from presses and releases
    TouchGesture touch;
    GamepadInput gamepads;
};

}  // namespace platform::sdl

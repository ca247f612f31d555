#pragma once

// Game controllers through SDL's game controller API: each one plugged in is opened, and
// its buttons reach the game as keys: the pad and the left stick as the arrow keys, Start as
// Tab, Back as Escape, the four face buttons as the pad's own key codes.

#include <SDL.h>

#include <deque>
#include <map>

#include "platform/Message.h"

namespace platform::sdl {

class GamepadInput {
public:
    GamepadInput() = default;
    ~GamepadInput();
    GamepadInput(const GamepadInput&) = delete;
    GamepadInput& operator=(const GamepadInput&) = delete;

    // Handles the controller events (devices coming and going, buttons, the stick); false
    // for every other event.
    bool translate(const SDL_Event& event, std::deque<Message>& queue);

    // The key code of a controller button, 0 for buttons the game does not use.
    static int keyOfButton(int button);

    // How far the stick must lean to press an arrow, and back to let it go.
    static constexpr int leanPress = 16000;
    static constexpr int leanRelease = 8000;

private:
    struct Stick {
        int keyX = 0;  // the arrow the stick holds on each axis, 0 for none
        int keyY = 0;
    };
    void lean(int& held, int value, int negativeKey, int positiveKey, std::deque<Message>& queue);

    std::map<SDL_JoystickID, SDL_GameController*> controllers;
    std::map<SDL_JoystickID, Stick> sticks;
};

}  // namespace platform::sdl

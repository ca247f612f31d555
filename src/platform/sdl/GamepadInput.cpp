#include "platform/sdl/GamepadInput.h"

namespace platform::sdl {

GamepadInput::~GamepadInput()
{
    for (auto& [id, controller] : controllers)
        SDL_GameControllerClose(controller);
}

int GamepadInput::keyOfButton(int button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return vk::Up;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return vk::Down;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return vk::Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return vk::Right;
    case SDL_CONTROLLER_BUTTON_A: return vk::PadA;
    case SDL_CONTROLLER_BUTTON_B: return vk::PadB;
    case SDL_CONTROLLER_BUTTON_X: return vk::PadX;
    case SDL_CONTROLLER_BUTTON_Y: return vk::PadY;
    case SDL_CONTROLLER_BUTTON_START: return vk::Tab;
    case SDL_CONTROLLER_BUTTON_BACK: return vk::Escape;
    default: return 0;
    }
}

// An axis holds at most one of its two arrows: pressed past `leanPress`, let go inside
// `leanRelease`, and switched over when the stick swings straight to the other side.
void GamepadInput::lean(int& held, int value, int negativeKey, int positiveKey, std::deque<Message>& queue)
{
    int wanted = held;
    if (value <= -leanPress)
        wanted = negativeKey;
    else if (value >= leanPress)
        wanted = positiveKey;
    else if (value > -leanRelease && value < leanRelease)
        wanted = 0;
    if (wanted == held)
        return;
    if (held != 0)
        queue.push_back(Message{MessageKind::KeyUp, held, 0, 0});
    held = wanted;
    if (held != 0)
        queue.push_back(Message{MessageKind::KeyDown, held, 0, 0});
}

bool GamepadInput::translate(const SDL_Event& event, std::deque<Message>& queue)
{
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: {
        SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which);
        if (controller) {
            const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
            if (controllers.count(id))
                SDL_GameControllerClose(controller);  // already open: SDL counts each open
            else
                controllers[id] = controller;
        }
        return true;
    }
    case SDL_CONTROLLERDEVICEREMOVED: {
        const auto found = controllers.find(event.cdevice.which);
        if (found != controllers.end()) {
            SDL_GameControllerClose(found->second);
            controllers.erase(found);
        }
        // An arrow the stick held is let go with it.
        const auto stick = sticks.find(event.cdevice.which);
        if (stick != sticks.end()) {
            lean(stick->second.keyX, 0, 0, 0, queue);
            lean(stick->second.keyY, 0, 0, 0, queue);
            sticks.erase(stick);
        }
        return true;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
        const int key = keyOfButton(event.cbutton.button);
        if (key != 0) {
            const bool down = event.type == SDL_CONTROLLERBUTTONDOWN;
            queue.push_back(Message{down ? MessageKind::KeyDown : MessageKind::KeyUp, key, 0, 0});
        }
        return true;
    }
    case SDL_CONTROLLERAXISMOTION: {
        Stick& stick = sticks[event.caxis.which];
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
            lean(stick.keyX, event.caxis.value, vk::Left, vk::Right, queue);
        else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
            lean(stick.keyY, event.caxis.value, vk::Up, vk::Down, queue);
        return true;
    }
    default: return false;
    }
}

}  // namespace platform::sdl

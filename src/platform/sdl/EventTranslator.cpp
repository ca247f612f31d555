#include "platform/sdl/EventTranslator.h"

namespace platform::sdl {

namespace {

int buttonBit(Uint8 button)
{
    switch (button) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 4;
    default: return 0;
    }
}

// The key codes of the keyboard's own layout, as Windows numbers them.
int virtualKeyOfSymbol(SDL_Keycode sym)
{
    if (sym >= SDLK_a && sym <= SDLK_z)
        return vk::LetterA + (sym - SDLK_a);
    if (sym >= SDLK_0 && sym <= SDLK_9)
        return vk::Digit0 + (sym - SDLK_0);
    if (sym >= SDLK_F1 && sym <= SDLK_F12)
        return vk::F1 + (sym - SDLK_F1);
    if (sym >= SDLK_F13 && sym <= SDLK_F24)
        return vk::F1 + 12 + (sym - SDLK_F13);
    if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9)
        return 97 + (sym - SDLK_KP_1);
    switch (sym) {
    case SDLK_BACKSPACE: return vk::Backspace;
    case SDLK_TAB: return vk::Tab;
    case SDLK_CLEAR: return 12;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return vk::Enter;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return vk::Shift;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return vk::Control;
    case SDLK_LALT:
    case SDLK_RALT: return vk::Alt;
    case SDLK_PAUSE: return 19;
    case SDLK_CAPSLOCK: return 20;
    case SDLK_ESCAPE: return vk::Escape;
    case SDLK_SPACE: return vk::Space;
    case SDLK_PAGEUP: return vk::PageUp;
    case SDLK_PAGEDOWN: return vk::PageDown;
    case SDLK_END: return vk::End;
    case SDLK_HOME: return vk::Home;
    case SDLK_LEFT: return vk::Left;
    case SDLK_UP: return vk::Up;
    case SDLK_RIGHT: return vk::Right;
    case SDLK_DOWN: return vk::Down;
    case SDLK_PRINTSCREEN: return 44;
    case SDLK_INSERT: return vk::Insert;
    case SDLK_DELETE: return vk::Delete;
    case SDLK_LGUI: return 91;
    case SDLK_RGUI: return 92;
    case SDLK_APPLICATION: return 93;
    case SDLK_KP_0: return 96;
    case SDLK_KP_MULTIPLY: return 106;
    case SDLK_KP_PLUS: return 107;
    case SDLK_KP_MINUS: return 109;
    case SDLK_KP_PERIOD: return 110;
    case SDLK_KP_DIVIDE: return 111;
    case SDLK_NUMLOCKCLEAR: return 144;
    case SDLK_SCROLLLOCK: return 145;
    case SDLK_SEMICOLON: return 186;
    case SDLK_EQUALS: return 187;
    case SDLK_COMMA: return 188;
    case SDLK_MINUS: return 189;
    case SDLK_PERIOD: return 190;
    case SDLK_SLASH: return 191;
    case SDLK_BACKQUOTE: return 192;
    case SDLK_LEFTBRACKET: return 219;
    case SDLK_BACKSLASH: return 220;
    case SDLK_RIGHTBRACKET: return 221;
    case SDLK_QUOTE: return 222;
    default: return 0;
    }
}

// Keys whose symbol on this layout has no code (an accented letter on the digit row, say)
// take the code of their place on the keyboard.
int virtualKeyOfPlace(SDL_Scancode code)
{
    if (code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z)
        return vk::LetterA + (code - SDL_SCANCODE_A);
    if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_9)
        return vk::Digit0 + 1 + (code - SDL_SCANCODE_1);
    if (code == SDL_SCANCODE_0)
        return vk::Digit0;
    return 0;
}

// The character codes of typed text, one per character: printable ASCII as it is, other
// characters as a code of 128 or more whose low byte is 128 or more too (Latin-1 letters
// keep their code, anything beyond becomes 0xBF), so a reader of the low byte never
// mistakes a foreign character for an ASCII one.  Control characters in text are dropped;
// Backspace, Tab, Enter and Escape arrive with their key presses.
void appendCharacters(const char* text, std::deque<Message>& queue)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        std::uint32_t code;
        int length;
        if (*p < 0x80) {
            code = *p;
            length = 1;
        } else if ((*p & 0xE0) == 0xC0) {
            code = *p & 0x1F;
            length = 2;
        } else if ((*p & 0xF0) == 0xE0) {
            code = *p & 0x0F;
            length = 3;
        } else if ((*p & 0xF8) == 0xF0) {
            code = *p & 0x07;
            length = 4;
        } else {
            code = 0xBF;  // a stray continuation or invalid lead byte
            length = 1;
        }
        bool valid = true;
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80) {  // also stops at the terminator
                valid = false;
                length = i;
                break;
            }
            code = (code << 6) | (p[i] & 0x3F);
        }
        if (!valid)
            code = 0xBF;
        p += length;

        int value;
        if (code >= 32 && code <= 126)
            value = static_cast<int>(code);
        else if (code < 32 || code == 127)
            continue;
        else if (code >= 0xA0 && code <= 0xFF)
            value = static_cast<int>(code);
        else
            value = 0xBF;
        queue.push_back(Message{MessageKind::Char, value, 0, 0});
    }
}

}  // namespace

int EventTranslator::virtualKey(const SDL_Keysym& key)
{
    const int code = virtualKeyOfSymbol(key.sym);
    return code != 0 ? code : virtualKeyOfPlace(key.scancode);
}

void EventTranslator::translateFinger(const SDL_TouchFingerEvent& finger, int x, int y, std::deque<Message>& queue)
{
    switch (finger.type) {
    case SDL_FINGERDOWN: touch.down(finger.fingerId, x, y, finger.timestamp, queue); break;
    case SDL_FINGERMOTION: touch.move(finger.fingerId, x, y, queue); break;
    case SDL_FINGERUP: touch.up(finger.fingerId, finger.timestamp, queue); break;
    default: break;
    }
}

void EventTranslator::translate(const SDL_Event& event, std::uint32_t windowId, std::deque<Message>& queue)
{
    if (gamepads.translate(event, queue))
        return;
    // The fingers come as themselves: the mouse that SDL makes of them would click twice.
    if ((event.type == SDL_MOUSEMOTION && event.motion.which == SDL_TOUCH_MOUSEID) ||
        ((event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP) &&
         event.button.which == SDL_TOUCH_MOUSEID))
        return;
    switch (event.type) {
    case SDL_QUIT:  // a termination request (SIGINT, SIGTERM) ends the game like a close
        queue.push_back(Message{MessageKind::Close, 0, 0, 0});
        break;
    case SDL_WINDOWEVENT:
        if (windowId == 0 || event.window.windowID != windowId)
            break;
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE: queue.push_back(Message{MessageKind::Close, 0, 0, 0}); break;
        case SDL_WINDOWEVENT_MINIMIZED: queue.push_back(Message{MessageKind::Size, 1, 0, 0}); break;
        case SDL_WINDOWEVENT_RESTORED: queue.push_back(Message{MessageKind::Size, 0, 0, 0}); break;
        case SDL_WINDOWEVENT_HIDDEN:
        case SDL_WINDOWEVENT_SHOWN:
            if (hiddenPauses)
                queue.push_back(Message{MessageKind::Size, event.window.event == SDL_WINDOWEVENT_HIDDEN ? 1 : 0, 0, 0});
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:  // releases elsewhere go unseen
            heldButtons = 0;
            touch.cancel(queue);
            break;
        default: break;
        }
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        // A key without a code (a media key, a key of another layout) is still a key press:
        // it arrives as code 0, which skips the splash and types nothing.
        const int code = virtualKey(event.key.keysym);
        const bool down = event.type == SDL_KEYDOWN;
        queue.push_back(Message{down ? MessageKind::KeyDown : MessageKind::KeyUp, code, 0, 0});
        // These four keys type a control character too, right after their key-down.
        if (down && (code == vk::Backspace || code == vk::Tab || code == vk::Enter || code == vk::Escape))
            queue.push_back(Message{MessageKind::Char, code, 0, 0});
        break;
    }
    case SDL_TEXTINPUT: appendCharacters(event.text.text, queue); break;
    case SDL_MOUSEMOTION: queue.push_back(Message{MessageKind::MouseMove, 0, event.motion.x, event.motion.y}); break;
    case SDL_MOUSEBUTTONDOWN: {
        const int bit = buttonBit(event.button.button);
        if (bit == 0)
            break;
        heldButtons |= bit;
        queue.push_back(Message{MessageKind::ButtonDown, heldButtons, event.button.x, event.button.y});
        break;
    }
    case SDL_MOUSEBUTTONUP: heldButtons &= ~buttonBit(event.button.button); break;
    default: break;
    }
}

}  // namespace platform::sdl

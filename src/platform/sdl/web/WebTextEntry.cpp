#include "platform/sdl/web/WebTextEntry.h"

#include <SDL.h>
#include <emscripten.h>

namespace platform::sdl {

void showPageTextEntry(bool shown)
{
    EM_ASM(
        {
            if (typeof window.kelvaryTextEntry == "function")
                window.kelvaryTextEntry($0 != 0);
        },
        shown ? 1 : 0);
}

}  // namespace platform::sdl

namespace {

void pushKey(Uint32 type, SDL_Keycode key)
{
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    SDL_PushEvent(&event);
}

}  // namespace

// Called by the page: one character typed into its text input (a Unicode code point), which
// reaches the game as SDL's typed text.
extern "C" EMSCRIPTEN_KEEPALIVE void kelvaryTextTyped(int codePoint)
{
    if (codePoint <= 0 || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return;
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    char* out = event.text.text;
    const auto c = static_cast<unsigned>(codePoint);
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
    } else if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out[0] = static_cast<char>(0xF0 | (c >> 18));
        out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[3] = static_cast<char>(0x80 | (c & 0x3F));
    }
    SDL_PushEvent(&event);
}

// Called by the page: a key of its text input that edits rather than types (Backspace, Enter,
// Escape, Delete, the arrows), by its SDL key code, pressed and let go.
extern "C" EMSCRIPTEN_KEEPALIVE void kelvaryTextKey(int key)
{
    switch (key) {
    case SDLK_BACKSPACE:
    case SDLK_RETURN:
    case SDLK_ESCAPE:
    case SDLK_DELETE:
    case SDLK_LEFT:
    case SDLK_RIGHT:
        pushKey(SDL_KEYDOWN, key);
        pushKey(SDL_KEYUP, key);
        break;
    default: break;
    }
}

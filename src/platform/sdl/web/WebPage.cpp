#include "platform/sdl/web/WebPage.h"

#include <emscripten.h>

#include <cstdlib>

namespace {

EM_JS(void, askFullScreen, (int on), {
    if (Module.showFullScreen)
        Module.showFullScreen(on != 0);
});

EM_JS(int, fullScreenWasLeft, (), {
    const left = Module.fullScreenLeft == true;
    Module.fullScreenLeft = false;
    return left ? 1 : 0;
});

EM_JS(void, suspendAudio, (), {
    const context = Module.SDL2 && Module.SDL2.audioContext;
    if (context && context.state == "running") {
        context.suspend().catch(function(e){});
        Module.audioResting = true;
    }
});

EM_JS(void, resumeAudio, (), {
    const context = Module.SDL2 && Module.SDL2.audioContext;
    if (context && Module.audioResting) {
        Module.audioResting = false;
        context.resume().catch(function(e){});
    }
});

// As SDL's own copy of the window's picture into the canvas, for one area: the bytes are
// red, green, blue and an unused byte, which the canvas takes as opaque.
EM_JS(int, putCanvasArea, (const void* pixels, int pitch, int x, int y, int width, int height), {
    const SDL2 = Module.SDL2;
    if (!SDL2 || !SDL2.image || !SDL2.data32 || SDL2.ctxCanvas != Module.canvas || SDL2.imageCtx != SDL2.ctx)
        return 0;
    if (SDL2.data32Data != SDL2.image.data || x < 0 || y < 0 || x + width > SDL2.w || y + height > SDL2.h)
        return 0;
    const into = SDL2.data32;
    for (let row = y; row < y + height; ++row) {
        const from = ((pixels + row * pitch) >> 2) + x;
        const to = row * SDL2.w + x;
        into.set(HEAP32.subarray(from, from + width), to);
        for (let i = to; i < to + width; ++i)
            into[i] |= 0xFF000000;
    }
    SDL2.ctx.putImageData(SDL2.image, 0, 0, x, y, width, height);
    return 1;
});

// A string the caller frees; null when nothing is kept.
EM_JS(char*, readRoundItem, (), {
    let text = null;
    try {
        text = localStorage.getItem("kelvary.round");
    } catch (e) {
    }
    if (text == null)
        return 0;
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});

EM_JS(void, writeRoundItem, (const char* record), {
    try {
        const text = UTF8ToString(record);
        if (text == "")
            localStorage.removeItem("kelvary.round");
        else
            localStorage.setItem("kelvary.round", text);
    } catch (e) {
        // Storage full: an older record must not come back in place of this round.
        try {
            localStorage.removeItem("kelvary.round");
        } catch (e2) {
        }
    }
});

}  // namespace

namespace platform::sdl::web {

void sleepFor(int milliseconds) { emscripten_sleep(static_cast<unsigned>(milliseconds > 0 ? milliseconds : 0)); }

void showFullScreen(bool fullScreen) { askFullScreen(fullScreen ? 1 : 0); }

bool takeFullScreenLeft() { return fullScreenWasLeft() != 0; }

bool showCanvasArea(const void* pixels, int pitch, int x, int y, int width, int height)
{
    return putCanvasArea(pixels, pitch, x, y, width, height) != 0;
}

void restAudio() { suspendAudio(); }

void wakeAudio() { resumeAudio(); }

std::string readKeptRound()
{
    char* text = readRoundItem();
    if (!text)
        return {};
    std::string record = text;
    std::free(text);
    return record;
}

void storeKeptRound(const std::string& record) { writeRoundItem(record.c_str()); }

}  // namespace platform::sdl::web

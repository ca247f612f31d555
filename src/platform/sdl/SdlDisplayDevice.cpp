#include "platform/sdl/SdlDisplayDevice.h"

#include "platform/sdl/SdlWindow.h"

namespace platform::sdl {

namespace {

// The depth the desktop shows, counted as the game counts it (a 32-bit word per pixel is
// 32 bits even when 8 of them are unused); 32 when the display cannot say.
int displayDepth(SDL_Window* window) {
    SDL_DisplayMode mode;
    const int index = SDL_GetWindowDisplayIndex(window);
    if (SDL_GetDesktopDisplayMode(index < 0 ? 0 : index, &mode) != 0) return 32;
    switch (SDL_BYTESPERPIXEL(mode.format)) {
    case 2: return 16;
    case 3: return 24;
    default: return 32;
    }
}

}  // namespace

std::unique_ptr<SdlDisplayDevice> SdlDisplayDevice::create(SdlWindow& window, int width, int height,
                                                           int bitsPerPixel) {
    if (width <= 0 || height <= 0) return nullptr;
    const int depth = bitsPerPixel == 0 ? displayDepth(window.handle()) : bitsPerPixel;
    if (SdlSurface::formatForDepth(depth) == SDL_PIXELFORMAT_UNKNOWN) return nullptr;

    SDL_Renderer* renderer = SDL_CreateRenderer(window.handle(), -1, 0);
    if (!renderer) renderer = SDL_CreateRenderer(window.handle(), -1, SDL_RENDERER_SOFTWARE);
    if (!renderer) return nullptr;
    // The logical picture keeps its aspect ratio in a window of any size (full screen):
    // black bars fill the rest, and pointer events arrive in logical coordinates.
    if (SDL_RenderSetLogicalSize(renderer, width, height) != 0) {
        SDL_DestroyRenderer(renderer);
        return nullptr;
    }
    return std::unique_ptr<SdlDisplayDevice>(new SdlDisplayDevice(window, renderer, width, height, depth));
}

SdlDisplayDevice::SdlDisplayDevice(SdlWindow& owner, SDL_Renderer* r, int w, int h, int bitsPerPixel)
    : window(&owner), renderer(r), width(w), height(h), pixelFormat(SdlSurface::formatForDepth(bitsPerPixel)) {
    window->attach(this);
}

SdlDisplayDevice::~SdlDisplayDevice() {
    releaseSurfaces();
    if (window) window->detach(this);
    destroyRenderer();
}

void SdlDisplayDevice::windowGone() {
    destroyRenderer();
    window = nullptr;
}

void SdlDisplayDevice::destroyRenderer() {
    if (texture) SDL_DestroyTexture(texture);
    texture = nullptr;
    if (renderer) SDL_DestroyRenderer(renderer);
    renderer = nullptr;
}

bool SdlDisplayDevice::createSurfaces() {
    releaseSurfaces();
    if (!renderer) return false;
    // Scaling to a full-screen desktop looks smoother filtered than with whole pixels.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!texture) return false;
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    primary = SdlSurface::create(width, height, pixelFormat);
    back = SdlSurface::create(width, height, pixelFormat);
    if (!primary || !back) {
        releaseSurfaces();
        return false;
    }
    return true;
}

void SdlDisplayDevice::releaseSurfaces() {
    back.reset();
    primary.reset();
    if (texture) SDL_DestroyTexture(texture);
    texture = nullptr;
}

std::unique_ptr<Surface> SdlDisplayDevice::createSurface(int w, int h) {
    return SdlSurface::create(w, h, pixelFormat);
}

bool SdlDisplayDevice::present() {
    if (failingPresents > 0) {
        --failingPresents;
        return false;
    }
    if (!renderer || !texture || !back || !primary || back->isBusy() || primary->isBusy()) return false;

    // The visible surface takes the finished frame, then the 32-bit texture takes it,
    // converted from 16 or 24 bits on the way, and the renderer scales it into the window.
    SDL_Surface* frame = back->pixels();
    if (SDL_BlitSurface(frame, nullptr, primary->pixels(), nullptr) != 0) return false;
    void* texels = nullptr;
    int texturePitch = 0;
    if (SDL_LockTexture(texture, nullptr, &texels, &texturePitch) != 0) return false;
    const int converted = SDL_ConvertPixels(width, height, pixelFormat, frame->pixels, frame->pitch,
                                            SDL_PIXELFORMAT_ARGB8888, texels, texturePitch);
    SDL_UnlockTexture(texture);
    if (converted != 0) return false;
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    if (SDL_RenderClear(renderer) != 0 || SDL_RenderCopy(renderer, texture, nullptr, nullptr) != 0) return false;
    SDL_RenderPresent(renderer);
    return true;
}

}  // namespace platform::sdl

#include "platform/sdl/SdlDisplayDevice.h"

#include <cstring>

#include "platform/sdl/SdlWindow.h"

namespace platform::sdl {

namespace {

// The depth the desktop shows, counted as the game counts it (a 32-bit word per pixel is
// 32 bits even when 8 of them are unused); 32 when the display cannot say.
int displayDepth(SDL_Window* window)
{
    SDL_DisplayMode mode;
    const int index = SDL_GetWindowDisplayIndex(window);
    if (SDL_GetDesktopDisplayMode(index < 0 ? 0 : index, &mode) != 0)
        return 32;
    switch (SDL_BYTESPERPIXEL(mode.format)) {
    case 2: return 16;
    case 3: return 24;
    default: return 32;
    }
}

// The texture's 0x00RRGGBB word for each byte of a 5-6-5 pixel, ORed together: every field
// widened to 8 bits with its top bits repeated below, so full white stays 0xFFFFFF.
struct Expand565 {
    std::uint32_t low[256] = {};
    std::uint32_t high[256] = {};
    constexpr Expand565()
    {
        for (std::uint32_t byte = 0; byte < 256; ++byte) {
            const std::uint32_t blue = byte & 31, greenLow = byte >> 5;
            low[byte] = ((blue << 3) | (blue >> 2)) | (greenLow << 2 << 8);
            const std::uint32_t red = byte >> 3, greenHigh = byte & 7;
            high[byte] = (((red << 3) | (red >> 2)) << 16) | (((greenHigh << 5) | (greenHigh >> 1)) << 8);
        }
    }
};
constexpr Expand565 expand565;

// Copies the frame into the 32-bit texture, widening 16- and 24-bit pixels on the way.
void convertToTexture(const SDL_Surface& frame, std::uint8_t* texels, int texturePitch)
{
    const int bytes = frame.format->BytesPerPixel;
    for (int y = 0; y < frame.h; ++y) {
        const auto* in = static_cast<const std::uint8_t*>(frame.pixels) + static_cast<size_t>(y) * frame.pitch;
        auto* out = reinterpret_cast<std::uint32_t*>(texels + static_cast<size_t>(y) * texturePitch);
        if (bytes == 4) {
            std::memcpy(out, in, static_cast<size_t>(frame.w) * 4);
        } else if (bytes == 3) {
            for (int x = 0; x < frame.w; ++x, in += 3)
                out[x] = in[0] | (in[1] << 8) | (in[2] << 16);
        } else {
            for (int x = 0; x < frame.w; ++x, in += 2)
                out[x] = expand565.low[in[0]] | expand565.high[in[1]];
        }
    }
}

}  // namespace

std::unique_ptr<SdlDisplayDevice> SdlDisplayDevice::create(SdlWindow& window, int width, int height, int bitsPerPixel)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    const int depth = bitsPerPixel == 0 ? displayDepth(window.handle()) : bitsPerPixel;
    if (SdlSurface::formatForDepth(depth) == SDL_PIXELFORMAT_UNKNOWN)
        return nullptr;

    SDL_Renderer* renderer = SDL_CreateRenderer(window.handle(), -1, 0);
    if (!renderer)
        renderer = SDL_CreateRenderer(window.handle(), -1, SDL_RENDERER_SOFTWARE);
    if (!renderer)
        return nullptr;
    // The logical picture keeps its aspect ratio in a window of any size (full screen):
    // black bars fill the rest, and pointer events arrive in logical coordinates.
    if (SDL_RenderSetLogicalSize(renderer, width, height) != 0) {
        SDL_DestroyRenderer(renderer);
        return nullptr;
    }
    return std::unique_ptr<SdlDisplayDevice>(new SdlDisplayDevice(window, renderer, width, height, depth));
}

SdlDisplayDevice::SdlDisplayDevice(SdlWindow& owner, SDL_Renderer* r, int w, int h, int bitsPerPixel)
    : window(&owner),
      renderer(r),
      width(w),
      height(h),
      pixelFormat(SdlSurface::formatForDepth(bitsPerPixel))
{
    window->attach(this);
}

SdlDisplayDevice::~SdlDisplayDevice()
{
    releaseSurfaces();
    if (window)
        window->detach(this);
    destroyRenderer();
}

void SdlDisplayDevice::windowGone()
{
    destroyRenderer();
    window = nullptr;
}

void SdlDisplayDevice::destroyRenderer()
{
    if (texture)
        SDL_DestroyTexture(texture);
    texture = nullptr;
    if (renderer)
        SDL_DestroyRenderer(renderer);
    renderer = nullptr;
}

bool SdlDisplayDevice::createSurfaces()
{
    releaseSurfaces();
    if (!renderer)
        return false;
    // Scaling to a full-screen desktop looks smoother filtered than with whole pixels.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!texture)
        return false;
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    primary = SdlSurface::create(width, height, pixelFormat);
    back = SdlSurface::create(width, height, pixelFormat);
    if (!primary || !back) {
        releaseSurfaces();
        return false;
    }
    return true;
}

void SdlDisplayDevice::releaseSurfaces()
{
    back.reset();
    primary.reset();
    if (texture)
        SDL_DestroyTexture(texture);
    texture = nullptr;
}

std::unique_ptr<Surface> SdlDisplayDevice::createSurface(int w, int h) { return SdlSurface::create(w, h, pixelFormat); }

bool SdlDisplayDevice::present()
{
    if (failingPresents > 0) {
        --failingPresents;
        return false;
    }
    if (!renderer || !texture || !back || !primary || back->isBusy() || primary->isBusy())
        return false;

    // The visible surface takes the finished frame, then the 32-bit texture takes it, and
    // the renderer scales it into the window.
    SDL_Surface* frame = back->pixels();
    if (SDL_BlitSurface(frame, nullptr, primary->pixels(), nullptr) != 0)
        return false;
    void* texels = nullptr;
    int texturePitch = 0;
    if (SDL_LockTexture(texture, nullptr, &texels, &texturePitch) != 0)
        return false;
    convertToTexture(*frame, static_cast<std::uint8_t*>(texels), texturePitch);
    SDL_UnlockTexture(texture);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    if (SDL_RenderClear(renderer) != 0 || SDL_RenderCopy(renderer, texture, nullptr, nullptr) != 0)
        return false;
    SDL_RenderPresent(renderer);
    return true;
}

}  // namespace platform::sdl

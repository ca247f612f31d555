#include "platform/sdl/SdlDisplayDevice.h"

#include <cstdint>
#include <cstring>

#include "platform/sdl/SameBytes.h"
#include "platform/sdl/SdlWindow.h"
#ifdef __EMSCRIPTEN__
#include "platform/sdl/web/WebPage.h"
#endif

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

// Copies the frame, or a part of it, into 32-bit 0x00RRGGBB words (a texture, a window's
// surface) from `texels` on, widening 16- and 24-bit pixels on the way.
void widenTo32(const SDL_Surface& frame, std::uint8_t* texels, int texturePitch, const SDL_Rect* part = nullptr)
{
    const SDL_Rect whole{0, 0, frame.w, frame.h};
    const SDL_Rect& area = part ? *part : whole;
    const int bytes = frame.format->BytesPerPixel;
    for (int y = 0; y < area.h; ++y) {
        const auto* in = static_cast<const std::uint8_t*>(frame.pixels) +
                         static_cast<size_t>(area.y + y) * frame.pitch + static_cast<size_t>(area.x) * bytes;
        auto* out = reinterpret_cast<std::uint32_t*>(texels + static_cast<size_t>(y) * texturePitch);
        if (bytes == 4) {
            std::memcpy(out, in, static_cast<size_t>(area.w) * 4);
        } else if (bytes == 3) {
            for (int x = 0; x < area.w; ++x, in += 3)
                out[x] = in[0] | (in[1] << 8) | (in[2] << 16);
        } else {
            for (int x = 0; x < area.w; ++x, in += 2)
                out[x] = expand565.low[in[0]] | expand565.high[in[1]];
        }
    }
}

// The frame, or a part of it, widened into a 32-bit surface from (x, y) on.
bool widenInto(SDL_Surface& target, int x, int y, const SDL_Surface& frame, const SDL_Rect* part = nullptr)
{
    if (SDL_LockSurface(&target) != 0)
        return false;
    widenTo32(frame,
              static_cast<std::uint8_t*>(target.pixels) + static_cast<size_t>(y) * target.pitch +
                  static_cast<size_t>(x) * 4,
              target.pitch, part);
    SDL_UnlockSurface(&target);
    return true;
}

}  // namespace

std::unique_ptr<SdlDisplayDevice> SdlDisplayDevice::create(SdlWindow& window, int width, int height, int bitsPerPixel,
                                                           bool onlyChangedFrames)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    const int depth = bitsPerPixel == 0 ? displayDepth(window.handle()) : bitsPerPixel;
    if (SdlSurface::formatForDepth(depth) == SDL_PIXELFORMAT_UNKNOWN)
        return nullptr;

    PresentationPath path = window.getPath();
    SDL_Renderer* renderer = nullptr;
    if (path == PresentationPath::WindowSurface) {
        if (!SDL_GetWindowSurface(window.handle()))
            return nullptr;
    } else {
        if (path == PresentationPath::AcceleratedRenderer)
            renderer = SDL_CreateRenderer(window.handle(), -1, SDL_RENDERER_ACCELERATED);
        if (!renderer) {
            path = PresentationPath::SoftwareRenderer;
            renderer = SDL_CreateRenderer(window.handle(), -1, SDL_RENDERER_SOFTWARE);
        }
        if (!renderer)
            return nullptr;
    }
    SDL_LogInfo(SDL_LOG_CATEGORY_APPLICATION, "Presenting through the %s", describe(path));
    return std::unique_ptr<SdlDisplayDevice>(
        new SdlDisplayDevice(window, path, renderer, width, height, depth, onlyChangedFrames));
}

SdlDisplayDevice::SdlDisplayDevice(SdlWindow& owner, PresentationPath p, SDL_Renderer* r, int w, int h,
                                   int bitsPerPixel, bool onlyChanged)
    : window(&owner),
      path(p),
      renderer(r),
      width(w),
      height(h),
      pixelFormat(SdlSurface::formatForDepth(bitsPerPixel)),
      onlyChangedFrames(onlyChanged)
{
    window->attach(this);
    int windowWidth = 0, windowHeight = 0;
    SDL_GetWindowSize(window->handle(), &windowWidth, &windowHeight);
    placePicture(windowWidth, windowHeight);
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
    if (!window)
        return false;
    if (renderer) {
        texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
        if (!texture)
            return false;
        SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
        // Whole multiples stay sharp with whole pixels; a full-screen desktop of any other
        // size looks smoother filtered, where the graphics card filters for free.
        const bool filtered = window->isFullScreen() && path == PresentationPath::AcceleratedRenderer;
        SDL_SetTextureScaleMode(texture, filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    }
    primary = SdlSurface::create(width, height, pixelFormat);
    back = SdlSurface::create(width, height, pixelFormat);
    if (!primary || !back) {
        releaseSurfaces();
        return false;
    }
    shownOnce = false;
    if (onlyChangedFrames)
        back->trackChanges();
    return true;
}

void SdlDisplayDevice::releaseSurfaces()
{
    back.reset();
    primary.reset();
    SDL_FreeSurface(stretchSource);
    stretchSource = nullptr;
    if (texture)
        SDL_DestroyTexture(texture);
    texture = nullptr;
}

std::unique_ptr<Surface> SdlDisplayDevice::createSurface(int w, int h) { return SdlSurface::create(w, h, pixelFormat); }

SDL_Rect SdlDisplayDevice::placePicture(int windowWidth, int windowHeight)
{
    const Rect place = pictureRect(windowWidth, windowHeight, width, height);
    window->showPicture(place, width, height);
    return SDL_Rect{place.left, place.top, place.width(), place.height()};
}

bool SdlDisplayDevice::present()
{
    if (!window || (renderer && !texture) || !back || !primary || back->isBusy() || primary->isBusy())
        return false;

    // The visible surface takes the finished frame, then the window shows it.
    SDL_Surface* frame = back->pixels();
    if (onlyChangedFrames && shownOnce) {
        // Only the box around what was drawn since the last frame shown can differ from it;
        // where it does is all that is shown.
        const Rect box = back->changes();
        const Rect area = box.isEmpty() ? Rect{} : differingArea(*frame, *primary->pixels(), box);
        if (area.isEmpty()) {
            back->forgetChanges();
            return true;
        }
        const bool shown = presentArea(frame, area);
        if (shown)
            back->forgetChanges();
        return shown;
    }
    if (SDL_BlitSurface(frame, nullptr, primary->pixels(), nullptr) != 0)
        return false;
    shownOnce = renderer ? presentWithRenderer(frame) : presentToWindowSurface(frame);
    if (shownOnce)
        back->forgetChanges();
    return shownOnce;
}

// A frame that differs from the one on show only within `area`: one to one in a window's
// surface just that area is copied and shown; any other way the whole frame is.
bool SdlDisplayDevice::presentArea(SDL_Surface* frame, const Rect& area)
{
    SDL_Rect part{area.left, area.top, area.width(), area.height()};
    SDL_Rect to = part;
    if (SDL_BlitSurface(frame, &part, primary->pixels(), &to) != 0)
        return false;
    SDL_Surface* shown = renderer ? nullptr : SDL_GetWindowSurface(window->handle());
    if (!shown || shown->w != frame->w || shown->h != frame->h)
        return renderer ? presentWithRenderer(frame) : presentToWindowSurface(frame);
    placePicture(shown->w, shown->h);
    if (shown->format->format == SDL_PIXELFORMAT_RGB888) {
        // Widened exactly as a whole frame is.
        if (!widenInto(*shown, part.x, part.y, *frame, &part))
            return false;
    } else {
        to = part;
        if (SDL_BlitSurface(frame, &part, shown, &to) != 0)
            return false;
    }
#ifdef __EMSCRIPTEN__
    // SDL's browser window copies the whole picture into the page every time.
    if (web::showCanvasArea(shown->pixels, shown->pitch, part.x, part.y, part.w, part.h))
        return true;
    return SDL_UpdateWindowSurface(window->handle()) == 0;
#else
    return SDL_UpdateWindowSurfaceRects(window->handle(), &part, 1) == 0;
#endif
}

bool SdlDisplayDevice::presentToWindowSurface(SDL_Surface* frame)
{
    // Asked anew every frame: a window whose size changed has a new surface.
    SDL_Surface* shown = SDL_GetWindowSurface(window->handle());
    if (!shown)
        return false;
    // A window shrunk to nothing (some systems do that to a minimised one first) shows
    // nothing, which is no failure: the picture returns with the window's size.
    if (shown->w <= 0 || shown->h <= 0)
        return true;
    SDL_Rect place = placePicture(shown->w, shown->h);
    if (place.w <= 0 || place.h <= 0)
        return false;
    const bool oneToOne = place.w == frame->w && place.h == frame->h;
    if ((!oneToOne || place.w != shown->w || place.h != shown->h) && SDL_FillRect(shown, nullptr, 0) != 0)
        return false;

    if (shown->format->format != SDL_PIXELFORMAT_RGB888) {
        // A display of another format: SDL converts (and stretches) on the way.
        const int copied =
            oneToOne ? SDL_BlitSurface(frame, nullptr, shown, &place) : SDL_BlitScaled(frame, nullptr, shown, &place);
        return copied == 0 && SDL_UpdateWindowSurface(window->handle()) == 0;
    }
    // The usual 32-bit desktop takes the same exact widening as a texture.
    if (oneToOne) {
        if (!widenInto(*shown, place.x, place.y, *frame))
            return false;
    } else {
        if (!stretchSource)
            stretchSource = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888);
        if (!stretchSource)
            return false;
        widenTo32(*frame, static_cast<std::uint8_t*>(stretchSource->pixels), stretchSource->pitch);
        if (SDL_BlitScaled(stretchSource, nullptr, shown, &place) != 0)
            return false;
    }
    return SDL_UpdateWindowSurface(window->handle()) == 0;
}

bool SdlDisplayDevice::presentWithRenderer(SDL_Surface* frame)
{
    // The 32-bit texture takes the frame, and the renderer scales it into the window.
    int windowWidth = 0, windowHeight = 0;
    SDL_GetWindowSize(window->handle(), &windowWidth, &windowHeight);
    const SDL_Rect place = placePicture(windowWidth, windowHeight);
    if (place.w <= 0 || place.h <= 0)
        return true;  // a window shrunk to nothing shows nothing, as on the surface path
    void* texels = nullptr;
    int texturePitch = 0;
    if (SDL_LockTexture(texture, nullptr, &texels, &texturePitch) != 0)
        return false;
    widenTo32(*frame, static_cast<std::uint8_t*>(texels), texturePitch);
    SDL_UnlockTexture(texture);
    // The picture covers its place, so only the bars beside or above and below it are
    // painted black: clearing the whole window would cost as much again in software.
    const SDL_Rect bars[] = {{0, 0, place.x, windowHeight},
                             {place.x + place.w, 0, windowWidth - place.x - place.w, windowHeight},
                             {place.x, 0, place.w, place.y},
                             {place.x, place.y + place.h, place.w, windowHeight - place.y - place.h}};
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    for (const SDL_Rect& bar : bars)
        if (bar.w > 0 && bar.h > 0 && SDL_RenderFillRect(renderer, &bar) != 0)
            return false;
    if (SDL_RenderCopy(renderer, texture, nullptr, &place) != 0)
        return false;
    SDL_RenderPresent(renderer);
    return true;
}

}  // namespace platform::sdl

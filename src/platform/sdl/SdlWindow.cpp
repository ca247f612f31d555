#include "platform/sdl/SdlWindow.h"

#include <algorithm>

#include "platform/sdl/Presentation.h"
#include "platform/sdl/SdlDisplayDevice.h"

namespace platform::sdl {

namespace {

constexpr int largestScale = 4;

// The largest whole multiple of width x height that the usable desktop holds (at least 1).
int automaticScale(int width, int height)
{
#ifdef __EMSCRIPTEN__
    // In the browser the page scales the canvas to its window in whole pixels; the canvas
    // itself keeps the picture's size.
    return 1;
#endif
    SDL_Rect usable;
    if (width <= 0 || height <= 0 || SDL_GetDisplayUsableBounds(0, &usable) != 0)
        return 1;
    return std::clamp(std::min(usable.w / width, usable.h / height), 1, largestScale);
}

// Rounds towards minus infinity, so that points left of or above the picture stay outside it.
int floorDivide(long long value, long long divisor)
{
    const long long quotient = value / divisor;
    return static_cast<int>(quotient * divisor > value ? quotient - 1 : quotient);
}

// The picture's pixel under the centre of the window's pixel `offset` pixels into a picture
// shown `shownSize` wide: the scaled picture is sampled at pixel centres, so a window pixel
// shows the picture pixel its centre falls in, and a click there must land on that one too.
int pictureCoordinate(int offset, int shownSize, int pictureSize)
{
    return floorDivide((2LL * offset + 1) * pictureSize, 2LL * shownSize);
}

}  // namespace

std::unique_ptr<SdlWindow> SdlWindow::create(const WindowSettings& settings, DestroyNotice onDestroy)
{
    // Not resizable, so the window manager offers no maximise.
    Uint32 flags = SDL_WINDOW_SHOWN;
    int x = SDL_WINDOWPOS_UNDEFINED, y = SDL_WINDOWPOS_UNDEFINED;
    int scale = 1, width = settings.clientWidth, height = settings.clientHeight;
    SDL_Rect desktop;
    if (settings.fullScreen) {
        // Full screen covers the desktop without changing its mode.  The window is made the
        // desktop's size in the first place: without a window manager nobody else resizes it.
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        if (SDL_GetDisplayBounds(0, &desktop) == 0) {
            x = desktop.x;
            y = desktop.y;
            width = desktop.w;
            height = desktop.h;
        }
    } else {
        // A multiple asked in the settings is kept where the desktop holds it; a larger one
        // would put the lower buttons out of reach, so the largest that fits is taken instead.
        const int fitting = automaticScale(settings.clientWidth, settings.clientHeight);
        scale = settings.windowScale >= 1 ? std::min(settings.windowScale, fitting) : fitting;
        width *= scale;
        height *= scale;
    }
    // Choosing the path may ask a copy of the program about OpenGL, which can take seconds:
    // asked before the window exists, no window sits there unresponsive meanwhile.
    const PresentationPath path = choosePresentationPath(settings.fullScreen || scale != 1);
    SDL_Window* handle = SDL_CreateWindow(settings.title ? settings.title : "", x, y, width, height, flags);
    if (!handle)
        return nullptr;

    // The program's icon, written by the asset generator beside the executable.
    if (SDL_Surface* icon = SDL_LoadBMP("icon.bmp")) {
        SDL_SetWindowIcon(handle, icon);
        SDL_FreeSurface(icon);
    }
    SDL_StartTextInput();
    std::unique_ptr<SdlWindow> window(new SdlWindow(handle, settings.fullScreen, scale, path, std::move(onDestroy)));
    SDL_GetWindowSize(handle, &width, &height);
    window->showPicture(pictureRect(width, height, settings.clientWidth, settings.clientHeight), settings.clientWidth,
                        settings.clientHeight);
    return window;
}

SdlWindow::SdlWindow(SDL_Window* handle, bool full, int multiple, PresentationPath chosen, DestroyNotice onDestroy)
    : window(handle),
      windowId(SDL_GetWindowID(handle)),
      fullScreen(full),
      scale(multiple),
      path(chosen),
      destroyNotice(std::move(onDestroy))
{}

void SdlWindow::fitToClient(int width, int height)
{
    if (!fullScreen && width > 0 && height > 0)
        SDL_SetWindowSize(window, width * scale, height * scale);
}

void SdlWindow::showPicture(const Rect& inWindow, int width, int height)
{
    picture = inWindow;
    pictureWidth = width;
    pictureHeight = height;
}

void SdlWindow::toPicture(int& x, int& y) const
{
    if (picture.isEmpty() || pictureWidth <= 0 || pictureHeight <= 0)
        return;
    x = pictureCoordinate(x - picture.left, picture.width(), pictureWidth);
    y = pictureCoordinate(y - picture.top, picture.height(), pictureHeight);
}

SdlWindow::~SdlWindow()
{
    if (destroyNotice)
        destroyNotice(*this);
    if (attached)
        attached->windowGone();
    SDL_DestroyWindow(window);
}

}  // namespace platform::sdl

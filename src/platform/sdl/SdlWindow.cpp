#include "platform/sdl/SdlWindow.h"

#include "platform/sdl/SdlDisplayDevice.h"

namespace platform::sdl {

std::unique_ptr<SdlWindow> SdlWindow::create(const WindowSettings& settings, DestroyNotice onDestroy)
{
    // Not resizable, so the window manager offers no maximise; full screen covers the
    // desktop without changing its mode, and the renderer scales the picture into it.
    Uint32 flags = SDL_WINDOW_SHOWN;
    if (settings.fullScreen)
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    SDL_Window* handle = SDL_CreateWindow(settings.title ? settings.title : "", SDL_WINDOWPOS_UNDEFINED,
                                          SDL_WINDOWPOS_UNDEFINED, settings.clientWidth, settings.clientHeight, flags);
    if (!handle)
        return nullptr;

    // The program's icon, written by the asset generator beside the executable.
    if (SDL_Surface* icon = SDL_LoadBMP("icon.bmp")) {
        SDL_SetWindowIcon(handle, icon);
        SDL_FreeSurface(icon);
    }
    SDL_StartTextInput();
    return std::unique_ptr<SdlWindow>(new SdlWindow(handle, settings.fullScreen, std::move(onDestroy)));
}

SdlWindow::SdlWindow(SDL_Window* handle, bool full, DestroyNotice onDestroy)
    : window(handle),
      windowId(SDL_GetWindowID(handle)),
      fullScreen(full),
      destroyNotice(std::move(onDestroy))
{}

void SdlWindow::fitToClient(int width, int height)
{
    if (!fullScreen && width > 0 && height > 0)
        SDL_SetWindowSize(window, width, height);
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

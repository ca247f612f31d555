// The window and the display device of the application.
#include "app/Application.h"

bool Application::createWindow(int showCommand)
{
    platform::WindowSettings settings;
    settings.fullScreen = fullScreen;
    settings.clientWidth = screenWidth;
    settings.clientHeight = screenHeight;
    settings.windowScale = windowScale;
    settings.showCommand = showCommand;
    settings.className = windowClassName;
    settings.title = windowTitle;
    window = instance->createWindow(settings);
    if (!window)
        return false;
    if (!fullScreen)
        fitWindowToClient(screenWidth, screenHeight);
    return true;
}

void Application::fitWindowToClient(int clientWidth, int clientHeight)
{
    if (window)
        window->fitToClient(clientWidth, clientHeight);
}

bool Application::createDisplayDevice()
{
    if (!window)
        return false;
    directDraw = instance->createDisplayDevice(*window, screenWidth, screenHeight, displayBitsPerPixel);
    return directDraw != nullptr;
}

bool Application::releaseDisplayDevice()
{
    directDraw.reset();
    return true;
}

bool Application::createDisplaySurfaces()
{
    if (!directDraw || !directDraw->createSurfaces())
        return false;
    primarySurface = directDraw->getPrimarySurface();
    backSurface = directDraw->getBackSurface();
    if (!primarySurface || !backSurface)
        return false;
    const int depth = backSurface->getBitsPerPixel();
    if (depth != 16 && depth != 24 && depth != 32)
        return false;
    bitsPerPixel = depth;
    return true;
}

bool Application::releaseDisplaySurfaces()
{
    if (directDraw) {
        endDraw();
        directDraw->releaseSurfaces();
    }
    primarySurface = nullptr;
    backSurface = nullptr;
    return true;
}

bool Application::restoreDisplaySurfaces()
{
    if (primarySurface && backSurface && primarySurface->restore() && backSurface->restore())
        return true;
    releaseDisplaySurfaces();
    return createDisplaySurfaces();
}

bool Application::present() { return directDraw && directDraw->present(); }

bool Application::createSoundDevice()
{
    platform::WaveFormat primary;
    primary.channels = soundChannels;
    primary.sampleRate = soundSampleRate;
    primary.bitsPerSample = soundBitsPerSample;
    directSound = instance->createSoundDevice(window.get(), primary);
    return directSound != nullptr;
}

bool Application::releaseSoundDevice()
{
    directSound.reset();
    return true;
}

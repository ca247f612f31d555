#include "app/Application.h"

#include <algorithm>

#include "ui/Widget.h"

Application* theApp = nullptr;
Widget* rootWidget = nullptr;

namespace {

// Sent by a widget only while the application exists; the tree only while the root does.
void dispatchToApplication(const platform::Message& message)
{
    if (theApp)
        theApp->windowProcedure(message);
}

}  // namespace

Application::Application(bool fullScreenDefault, int width, int height, int bits, int backBuffers, int fps,
                         int channels, int sampleRate, int bitsPerSample, platform::Platform& platformInstance,
                         int showCommand)
    : fullScreen(fullScreenDefault),
      screenWidth(width),
      screenHeight(height),
      bitsPerPixel(bits),
      displayBitsPerPixel(bits),
      framesPerSecond(fps),
      framePeriodMs(fps > 0 ? 1000 / fps : 66),
      soundChannels(channels),
      soundSampleRate(sampleRate),
      soundBitsPerSample(bitsPerSample),
      instance(&platformInstance),
      backBufferCount(backBuffers)
{
    instance->setMessageHandler(dispatchToApplication);

    // The two switches; a missing value is created from the current default.
    openSettings();
    unsigned char storedFullScreen = fullScreen ? 1 : 0;
    unsigned char storedSound = hasSound ? 1 : 0;
    readBinary("fullScreen", &storedFullScreen, 1);
    readBinary("hasSound", &storedSound, 1);
    fullScreen = storedFullScreen != 0;
    hasSound = storedSound != 0;
    // The window's size is the player's to choose in the store; the value stays as written.
    std::uint32_t storedScale = 0;
    readDword("windowScale", &storedScale, 4);
    windowScale = static_cast<int>(std::min<std::uint32_t>(storedScale, largestWindowScale));
    closeSettings();

    initialised = createWindow(showCommand) && createDisplayDevice() && createDisplaySurfaces() && createSoundDevice();
}

Application::~Application()
{
    endDraw();
    releaseDisplaySurfaces();
    releaseDisplayDevice();
    releaseSoundDevice();

    storeSwitches();

    // A window still open goes quietly: nobody listens to its messages any more.
    instance->setMessageHandler(nullptr);
    window.reset();
}

void Application::storeSwitches()
{
    // The switches are saved only on an orderly end: a start that failed, a run that ended
    // through the paint-error box or a display switch that failed (the box is yet to come)
    // keeps the stored ones, so that a full-screen switch that broke the display is not made
    // permanent.
    if (!initialised || paintFailed || switchingMode)
        return;
    openSettings();
    const unsigned char storedFullScreen = fullScreen ? 1 : 0;
    const unsigned char storedSound = hasSound ? 1 : 0;
    writeBinary("fullScreen", &storedFullScreen, 1);
    writeBinary("hasSound", &storedSound, 1);
    closeSettings();
}

int Application::run()
{
    instance->beginTimerPeriod();
    lastFrameTime = instance->getMilliseconds();
    for (;;) {
        if (instance->peekMessage()) {
            platform::Message message;
            if (!instance->getMessage(message)) {
                instance->endTimerPeriod();
                return message.value;
            }
            instance->dispatchMessage(message);
            continue;
        }
        if (!active) {
            instance->waitMessage(-1);
            continue;
        }
        // Until the next frame is due, sleep until a message arrives or the frame is due,
        // rather than burning a core on polling.
        const auto elapsed = static_cast<std::int32_t>(instance->getMilliseconds() - lastFrameTime);
        if (elapsed < framePeriodMs) {
            instance->waitMessage(framePeriodMs - elapsed);
            continue;
        }
        if (!doFrame())
            break;
    }

    paintFailed = true;
    if (directDraw)
        directDraw->flipToSystemSurface();
    instance->showMessageBox(window.get(), "Paint Error", "An unexpected error occurs, the program will now exit.",
                             platform::MessageIcon::Error);
    instance->endTimerPeriod();
    return 1;
}

bool Application::doFrame()
{
    if (static_cast<std::int32_t>(instance->getMilliseconds() - lastFrameTime) < framePeriodMs)
        return true;
    lastFrameTime = instance->getMilliseconds();
    if (rootWidget && !rootWidget->draw()) {
        if (!restoreDisplaySurfaces())
            return false;
        if (!rootWidget->draw())
            return false;
    }
    if (rootWidget)
        rootWidget->update();
    return present();
}

void Application::windowProcedure(const platform::Message& message)
{
    using platform::MessageKind;
    switch (message.kind) {
    case MessageKind::Close: closeWindow(); return;
    case MessageKind::Destroy:
        if (!switchingMode)
            instance->postQuitMessage(0);
        return;
    case MessageKind::Size: active = message.value == 0; return;
    case MessageKind::KeyDown:
        keyCode = message.value;
        if (rootWidget)
            rootWidget->handleEvent(KeyPressed);
        return;
    case MessageKind::KeyUp:
        keyCode = message.value;
        if (rootWidget)
            rootWidget->handleEvent(KeyReleased);
        return;
    case MessageKind::Char:
        charCode = message.value;
        if (rootWidget)
            rootWidget->handleEvent(CharTyped);
        return;
    case MessageKind::MouseMove:
        mouseX = message.x & 0xFFFF;
        mouseY = message.y & 0xFFFF;
        pointerByTouch = (message.value & platform::pointer::touch) != 0;
        touchBegins = (message.value & platform::pointer::touchBegins) != 0;
        if (rootWidget)
            rootWidget->handleEvent(MouseMoved);
        return;
    case MessageKind::ButtonDown:
        mouseX = message.x & 0xFFFF;
        mouseY = message.y & 0xFFFF;
        mouseButtons = message.value & 7;
        pointerByTouch = (message.value & platform::pointer::touch) != 0;
        touchBegins = false;
        if (rootWidget)
            rootWidget->handleEvent(MousePressed);
        return;
    case MessageKind::Quit: return;
    case MessageKind::EndSession: storeSwitches(); return;
    case MessageKind::FullScreenLeft:
        // The switch follows the screen, as if the player had turned it off.
        if (fullScreen && !switchingMode)
            toggleFullScreen();
        return;
    }
}

bool Application::toggleFullScreen()
{
    switchingMode = true;
    if (rootWidget)
        rootWidget->releaseSurfaces();
    releaseDisplaySurfaces();
    releaseDisplayDevice();
    window.reset();

    fullScreen = !fullScreen;
    active = true;

    // If the display cannot be rebuilt it stays gone; the next frame then fails to draw and
    // the program ends through the paint-error box.
    if (!createWindow(1))
        return false;
    // A sound device bound to the old window would fall silent with it.
    if (directSound)
        directSound->followWindow(window.get());
    if (!(createDisplayDevice() && createDisplaySurfaces()))
        return false;

    const bool picturesBack = rootWidget ? rootWidget->createSurfaces() : true;
    // The display is back either way: a picture that could not be reloaded must not keep the
    // window from closing later, so the switch counts as over.
    switchingMode = false;
    return picturesBack;
}

void Application::closeWindow()
{
    // Destroying the window sends the destroy message, which ends the loop.
    window.reset();
}

void Application::showHelp() { instance->showHelp(window.get(), helpFileName); }

void Application::openWebPage(const char* address)
{
    if (address)
        instance->openWebPage(window.get(), address);
}

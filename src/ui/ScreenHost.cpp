#include "ui/ScreenHost.h"

#include "app/Application.h"

ScreenHost::ScreenHost(Widget* parentWidget, int px, int py, ScreenFactory factory) : screenFactory(std::move(factory))
{
    Widget::init(parentWidget, px, py, nullptr);
    setUp();
}

void ScreenHost::setUp()
{
    if (theApp)
        setSize(theApp->screenWidth, theApp->screenHeight);
    else
        setSize(800, 600);
    allocateChildren(1);
    frameCount = 3;
    if (screenFactory)
        replaceChild(0, screenFactory(*this, SplashScreenNumber));
}

void ScreenHost::onFrameChanged()
{
    const int screen = getFrame();
    if (screen != MainMenuNumber && screen != GameScreenNumber)
        return;  // the splash is never shown again
    // The old screen (with its pictures and sounds) goes before the new one is built.
    replaceChild(0, nullptr);
    if (screenFactory)
        replaceChild(0, screenFactory(*this, screen));
}

void ScreenHost::handleEvent(int eventCode)
{
    if (eventCode < MouseMoved || eventCode > CharTyped)
        return;
    const int screen = getFrame();
    if (screen < 0 || screen > 2)
        return;
    if (Widget* current = getChild(0))
        current->handleEvent(eventCode);
}

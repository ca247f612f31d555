#include "ui/SplashScreen.h"

#include "media/AssetCatalogue.h"
#include "app/Application.h"

SplashScreen::SplashScreen(Widget* parentWidget, int px, int py, int screenWidth, int screenHeight)
{
    Widget::init(parentWidget, px, py, nullptr);
    setUp(screenWidth, screenHeight);
}

void SplashScreen::setUp(int screenWidth, int screenHeight)
{
    setSize(screenWidth, screenHeight);
    backgroundColour = 0x000000;
    fadeInFrames = 15;
    holdFrames = 30;
    fadeOutFrames = 15;
    soundFrame = 5;
    frameCount = 65;
    animating = true;

    logoBitmap = std::make_unique<Bitmap>(pictures::company);
    startSound = std::make_unique<SoundEffect>(sounds::start.fileName, false, 2);
    logoBitmap->createSurface();
    startSound->createBuffer();

    allocateChildren(1);
    auto picture = std::make_unique<Widget>(this, screenWidth / 2 - logoBitmap->getCellWidth() / 2,
                                            screenHeight / 2 - logoBitmap->getCellHeight() / 2, logoBitmap.get());
    logo = picture.get();
    replaceChild(0, std::move(picture));

    onFrameChanged();  // frame 0 (logo invisible) before the first drawing
}

void SplashScreen::onFrameChanged()
{
    const int f = getFrame();
    const int fadeOutStart = fadeInFrames + holdFrames;
    const int end = fadeOutStart + fadeOutFrames;
    if (f < fadeInFrames)
        logo->setAlpha(f * opaqueAlpha / fadeInFrames);
    else if (f < fadeOutStart)
        logo->setAlpha(opaqueAlpha);
    else if (f < end)
        logo->setAlpha((end - f - 1) * 256 / fadeOutFrames);  // held opaque a little longer by the clamp
    else
        logo->setAlpha(0);

    if (f == soundFrame) {
        if (theApp && theApp->hasSound)
            startSound->play();
    } else if (f == frameCount - 1) {
        animating = false;
        if (parent)
            parent->nextFrame();  // the host shows the menu and deletes this screen
    }
}

bool SplashScreen::draw()
{
    if (!theApp || !theApp->fillRect(originX + x, originY + y, width, height, backgroundColour))
        return false;
    return logo->draw();
}

void SplashScreen::handleEvent(int eventCode)
{
    if (eventCode != MousePressed && eventCode != KeyPressed)
        return;
    animating = false;
    if (parent)
        parent->nextFrame();  // the host shows the menu and deletes this screen
}

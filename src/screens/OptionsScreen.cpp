#include "screens/OptionsScreen.h"

#include "media/AssetCatalogue.h"
#include "app/Application.h"
#include "screens/FramedBox.h"
#include "ui/ButtonWalk.h"

OptionsScreen::OptionsScreen(Widget* parentWidget, int px, int py, int boxWidth, int boxHeight, int fill, int border,
                             int penWidth)
{
    Widget::init(parentWidget, px, py, nullptr);
    setUp(boxWidth, boxHeight, fill, border, penWidth);
}

void OptionsScreen::setUp(int boxWidth, int boxHeight, int fill, int border, int penWidth)
{
    setSize(boxWidth, boxHeight);
    fillColour = fill;
    borderColour = border;
    borderWidth = penWidth;

    // Black is transparent on the two toggles.
    soundBitmap = std::make_unique<Bitmap>(pictures::soundSwitch);
    fullScreenBitmap = std::make_unique<Bitmap>(pictures::fullScreenSwitch);
    okBitmap = std::make_unique<Bitmap>(pictures::ok);
    soundBitmap->createSurface();
    fullScreenBitmap->createSurface();
    okBitmap->createSurface();

    // Centred across the box, on its quarter lines, each by its own cell size.
    const int w = boxWidth;
    const int h = boxHeight;
    allocateChildren(3);
    replaceChild(SoundToggle, std::make_unique<Widget>(this, (w - soundBitmap->getCellWidth()) / 2,
                                                       h / 4 - soundBitmap->getCellHeight() / 2, soundBitmap.get()));
    replaceChild(FullScreenToggle,
                 std::make_unique<Widget>(this, (w - fullScreenBitmap->getCellWidth()) / 2,
                                          h / 2 - fullScreenBitmap->getCellHeight() / 2, fullScreenBitmap.get()));
    replaceChild(OkButton, std::make_unique<Widget>(this, (w - okBitmap->getCellWidth()) / 2,
                                                    3 * h / 4 - okBitmap->getCellHeight() / 2, okBitmap.get()));

    const bool soundOn = theApp ? theApp->hasSound : true;
    const bool fullScreenOn = theApp ? theApp->fullScreen : false;
    getChild(SoundToggle)->setFrame(soundOn ? soundOnFrame : soundOffFrame);
    getChild(FullScreenToggle)->setFrame(fullScreenOn ? fullScreenFrame : windowFrame);
}

int OptionsScreen::hitTest(int px, int py)
{
    for (int i = 0; i < childCount; ++i) {
        Widget* child = getChild(i);
        if (child && child->getX() <= px && px < child->getX() + child->getWidth() && child->getY() <= py &&
            py < child->getY() + child->getHeight())
            return i;
    }
    return -1;
}

bool OptionsScreen::draw()
{
    if (!drawFramedBox(originX + x, originY + y, width, height, fillColour, borderColour, borderWidth))
        return false;
    theApp->endDraw();
    return drawChildren();
}

void OptionsScreen::handleEvent(int eventCode)
{
    if (!theApp)
        return;
    if (eventCode == KeyPressed) {
        ButtonWalk::walk(*this, {SoundToggle, FullScreenToggle, OkButton}, OkButton);
        return;
    }
    const int hit = hitTest(theApp->mouseX - (originX + x), theApp->mouseY - (originY + y));
    if (eventCode == MouseMoved) {
        for (int i = 0; i < childCount; ++i) {
            Widget* child = getChild(i);
            if (child && child->getFrame() % 2 == 1)
                child->previousFrame();
        }
        if (hit >= 0)
            getChild(hit)->nextFrame();
    } else if (eventCode == MousePressed) {
        if (hit == SoundToggle) {
            theApp->hasSound = !theApp->hasSound;
            getChild(SoundToggle)->setFrame(theApp->hasSound ? soundOnFrame : soundOffFrame);
        } else if (hit == FullScreenToggle) {
            // The whole tree, this box included, gives up and re-creates its pictures here.
            theApp->toggleFullScreen();
            getChild(FullScreenToggle)->setFrame(theApp->fullScreen ? fullScreenFrame : windowFrame);
        } else if (hit == OkButton) {
            if (parent)
                parent->onChildFinished(this, 0);  // the parent deletes this box
        }
    }
}

// The game screen's input: the group under the pointer, the four buttons, the turns of the
// mouse buttons and the hint key.  An open end-of-game panel takes every event.
#include "game/GameScreen.h"

#include "app/Application.h"

namespace {

constexpr int firstButton = GameScreen::SoundButton;
constexpr int lastButton = GameScreen::LogoButton;
constexpr int hintKey = 32;  // space

}  // namespace

void GameScreen::handleEvent(int eventCode)
{
    if (Widget* panel = getPanel()) {
        panel->handleEvent(eventCode);
        return;
    }
    if (!rules->isGameRunning() || !theApp)
        return;
    // A resumed round waits for a click or a key, which only wakes it.
    if (paused && (eventCode == MousePressed || eventCode == KeyPressed)) {
        paused = false;
        return;
    }

    // The group whose four block centres surround the pointer; the divisions truncate, so a
    // pointer less than half a cell inside the field is over no group.
    const int mouseX = theApp->mouseX;
    const int mouseY = theApp->mouseY;
    const int hx = (BoardRules::gridStepX / 2 - BoardRules::fieldLeft + mouseX) / BoardRules::gridStepX - 1;
    const int hy = (BoardRules::gridStepY / 2 - BoardRules::fieldTop + mouseY) / BoardRules::gridStepY - 1;
    const int button = buttonAt(mouseX - x, mouseY - y);

    switch (eventCode) {
    case MouseMoved:
        hoverX = hx;
        hoverY = hy;
        unhighlightButtons();
        if (button != -1)
            highlightButton(button);
        return;
    case MousePressed:
        pressButton(button);
        if (theApp->mouseButtons == 1)
            makeTurn(hx, hy, true);
        else if (theApp->mouseButtons == 2)
            makeTurn(hx, hy, false);
        return;
    case KeyPressed:
        if (theApp->keyCode == hintKey)
            rules->findHints();
        return;
    case KeyReleased:
        if (theApp->keyCode == hintKey)
            rules->clearHints();
        return;
    default: return;
    }
}

int GameScreen::buttonAt(int px, int py)
{
    for (int i = firstButton; i <= lastButton; ++i) {
        Widget* child = getChild(i);
        if (child && child->getX() <= px && px < child->getX() + child->getWidth() && child->getY() <= py &&
            py < child->getY() + child->getHeight())
            return i;
    }
    return -1;
}

// Even frames are the plain look, the next odd frame the same state under the pointer.
void GameScreen::highlightButton(int index)
{
    Widget* child = getChild(index);
    if (child && child->getFrame() % 2 == 0)
        child->nextFrame();
}

void GameScreen::unhighlightButtons()
{
    for (int i = firstButton; i <= lastButton; ++i) {
        Widget* child = getChild(i);
        if (child && child->getFrame() % 2 == 1)
            child->previousFrame();
    }
}

void GameScreen::pressButton(int index)
{
    Widget* child = getChild(index);
    if (!child || !theApp)
        return;
    switch (index) {
    case SoundButton:
        theApp->hasSound = !theApp->hasSound;
        child->setFrame(theApp->hasSound ? 0 : 2);
        return;
    case FullScreenButton:
        theApp->toggleFullScreen();
        child->setFrame(theApp->fullScreen ? 2 : 0);
        return;
    case ExitButton: theApp->closeWindow(); return;
    case LogoButton: theApp->openWebPage(makerWebPage); return;
    default: return;
    }
}

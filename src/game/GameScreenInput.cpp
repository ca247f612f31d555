// The game screen's input: the group under the pointer, the four buttons, the turns of the
// mouse buttons and the hint key, the same by a finger, and the frame moved and turned by
// the keys or a pad.  An open end-of-game panel takes every event.
#include "game/GameScreen.h"

#include <algorithm>

#include "app/Application.h"
#include "ui/ButtonWalk.h"

namespace {

constexpr int firstButton = GameScreen::SoundButton;
constexpr int lastButton = GameScreen::LogoButton;

bool isHintKey(int key) { return key == platform::vk::Space || key == platform::vk::PadX || key == platform::vk::PadY; }

}  // namespace

int GameScreen::turnOfKey(int key)
{
    switch (key) {
    case platform::vk::LetterA + ('Q' - 'A'):
    case platform::vk::Enter:
    case platform::vk::PadA: return 1;
    case platform::vk::LetterA + ('E' - 'A'):
    case platform::vk::PadB: return 2;
    default: return 0;
    }
}

bool GameScreen::stepFrame(int key, int& gx, int& gy)
{
    int dx = 0;
    int dy = 0;
    switch (key) {
    case platform::vk::Left: dx = -1; break;
    case platform::vk::Right: dx = 1; break;
    case platform::vk::Up: dy = -1; break;
    case platform::vk::Down: dy = 1; break;
    default: return false;
    }
    constexpr int lastX = BoardRules::gridWidth - 2;
    constexpr int lastY = BoardRules::gridHeight - 2;
    if (gx < 0 || gx > lastX || gy < 0 || gy > lastY) {
        // The frame first shows up in the middle of the field.
        gx = lastX / 2;
        gy = lastY / 2;
        return true;
    }
    gx = std::clamp(gx + dx, 0, lastX);
    gy = std::clamp(gy + dy, 0, lastY);
    return true;
}

// The keys and a pad: the arrows move the frame and the pointer with it, Tab walks the four
// buttons, a turn key turns the framed group.
void GameScreen::handleKey()
{
    const int key = theApp->keyCode;
    if (stepFrame(key, hoverX, hoverY)) {
        theApp->mouseX = BoardRules::fieldLeft + BoardRules::gridStepX * (hoverX + 1);
        theApp->mouseY = BoardRules::fieldTop + BoardRules::gridStepY * (hoverY + 1);
        unhighlightButtons();
        return;
    }
    if (key == platform::vk::Tab) {
        ButtonWalk::walk(*this, {SoundButton, FullScreenButton, ExitButton, LogoButton}, -1);
        return;
    }
    const int turn = turnOfKey(key);
    if (turn == 0)
        return;
    // Enter and pad A click a button the walk reached; Q only ever turns.
    const int button = buttonAt(theApp->mouseX - x, theApp->mouseY - y);
    if (button != -1 && (key == platform::vk::Enter || key == platform::vk::PadA))
        pressButton(button);
    else
        rules->makeMove(hoverX, hoverY, turn == 1);
}

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
        showControlsFor(theApp->pointerByTouch);
        // A finger that leaves the field on its way turns nothing when it lifts.
        if (theApp->touchBegins)
            touchStrayed = false;
        if (hx < 0 || hx >= BoardRules::gridWidth - 1 || hy < 0 || hy >= BoardRules::gridHeight - 1)
            touchStrayed = true;
        unhighlightButtons();
        if (button != -1)
            highlightButton(button);
        return;
    case MousePressed:
        pressButton(button);
        if (theApp->pointerByTouch && touchStrayed)
            return;
        if (theApp->mouseButtons == 1)
            makeTurn(hx, hy, true);
        else if (theApp->mouseButtons == 2)
            makeTurn(hx, hy, false);
        return;
    case KeyPressed:
        if (isHintKey(theApp->keyCode))
            rules->findHints();
        else
            handleKey();
        return;
    case KeyReleased:
        if (isHintKey(theApp->keyCode))
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

void GameScreen::showControlsFor(bool touch)
{
    if (Widget* panel = getChild(TouchControls))
        panel->setAlpha(touch ? opaqueAlpha : 0);
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

#include "ui/ButtonWalk.h"

#include "app/Application.h"
#include "ui/Widget.h"

ButtonWalk::Step ButtonWalk::stepOfKey(int keyCode)
{
    namespace vk = platform::vk;
    switch (keyCode) {
    case vk::Up:
    case vk::Left: return Step::Previous;
    case vk::Down:
    case vk::Right:
    case vk::Tab: return Step::Next;
    case vk::Enter:
    case vk::PadA: return Step::Press;
    case vk::Escape:
    case vk::PadB: return Step::Leave;
    default: return Step::None;
    }
}

int ButtonWalk::target(int current, int count, Step step)
{
    if (count <= 0)
        return -1;
    if (current < 0 || current >= count)
        return step == Step::Previous ? count - 1 : 0;
    if (step == Step::Previous)
        return current == 0 ? count - 1 : current - 1;
    return (current + 1) % count;
}

int ButtonWalk::underPointer(Widget& screen, std::initializer_list<int> buttons)
{
    int place = 0;
    for (int index : buttons) {
        if (Widget* child = screen.getChild(index)) {
            const int left = child->getOriginX() + child->getX();
            const int top = child->getOriginY() + child->getY();
            if (left <= theApp->mouseX && theApp->mouseX < left + child->getWidth() && top <= theApp->mouseY &&
                theApp->mouseY < top + child->getHeight())
                return place;
        }
        ++place;
    }
    return -1;
}

void ButtonWalk::pointAt(Widget& screen, int index)
{
    Widget* child = screen.getChild(index);
    if (!child)
        return;
    theApp->mouseX = child->getOriginX() + child->getX() + child->getWidth() / 2;
    theApp->mouseY = child->getOriginY() + child->getY() + child->getHeight() / 2;
    theApp->pointerByTouch = false;
    theApp->touchBegins = false;
    screen.handleEvent(MouseMoved);
}

void ButtonWalk::click(Widget& screen)
{
    theApp->mouseButtons = 1;
    theApp->pointerByTouch = false;
    screen.handleEvent(MousePressed);
}

bool ButtonWalk::walk(Widget& screen, std::initializer_list<int> buttons, int leave)
{
    if (!theApp)
        return false;
    const Step step = stepOfKey(theApp->keyCode);
    const int current = underPointer(screen, buttons);
    // A click may close the box: its owner (never closed by it) then shows its highlight for
    // where the pointer was left, so that what is lit is where the walk goes on from.
    Widget* owner = screen.getParent();
    switch (step) {
    case Step::None: return false;
    case Step::Press:
        // With nothing highlighted the first press only shows where the walk starts.
        if (current < 0) {
            pointAt(screen, *buttons.begin());
            return true;
        }
        click(screen);
        break;
    case Step::Leave:
        if (leave < 0 || !screen.getChild(leave))
            return true;
        pointAt(screen, leave);
        click(screen);
        break;
    case Step::Previous:
    case Step::Next:
        pointAt(screen, buttons.begin()[target(current, static_cast<int>(buttons.size()), step)]);
        return true;
    }
    if (owner)
        owner->handleEvent(MouseMoved);
    return true;
}

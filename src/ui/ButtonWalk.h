#pragma once

#include <initializer_list>

class Widget;

// The buttons of a screen or box walked with the keys or a pad, by the pointer: the arrows,
// Tab (a pad's Start) move it onto the middle of the next button, where the hover shows the
// highlight as for the mouse; Enter (pad A) clicks the button under it; Escape (pad B)
// clicks the box's closing button.  The screen's own mouse handling does the rest.
class ButtonWalk {
public:
    enum class Step {
        None,
        Previous,
        Next,
        Press,
        Leave
    };

    static Step stepOfKey(int keyCode);

    // The place in the walking order after `current` (-1: none highlighted) for a step of
    // Previous or Next over `count` buttons, wrapping round.
    static int target(int current, int count, Step step);

    // Handles `theApp->keyCode` for `screen`, whose children `buttons` are walked in that
    // order and whose child `leave` (-1 for none) Escape clicks.  True if the key was a step
    // of the walk: the screen may be gone when it returns, its owner may not.
    static bool walk(Widget& screen, std::initializer_list<int> buttons, int leave);

    // The index in `buttons` of the child under the pointer, -1 for none.
    static int underPointer(Widget& screen, std::initializer_list<int> buttons);

    // Moves the pointer onto the middle of `screen`'s child `index` and tells the screen.
    static void pointAt(Widget& screen, int index);

    // Clicks with the left button where the pointer is.
    static void click(Widget& screen);
};

#pragma once

#include <memory>

#include "media/Bitmap.h"
#include "ui/Widget.h"

// The options box over the main menu: a sound toggle, a full-screen toggle and OK.  The
// toggles change the application's switches at once; the application stores them at exit.
class OptionsScreen : public Widget {
public:
    enum Child {
        SoundToggle = 0,
        FullScreenToggle = 1,
        OkButton = 2
    };
    // Toggle frames: 0 on / window, 2 off / full screen; the odd frame above each is its
    // under-the-pointer look.
    static constexpr int soundOnFrame = 0;
    static constexpr int soundOffFrame = 2;
    static constexpr int windowFrame = 0;
    static constexpr int fullScreenFrame = 2;

    OptionsScreen(Widget* parent, int x, int y, int width, int height, int fillColour, int borderColour,
                  int borderWidth);

    bool draw() override;
    void handleEvent(int eventCode) override;
    virtual void setUp(int boxWidth, int boxHeight, int fill, int border, int penWidth);

    // Index of the first child containing the point (relative to the box), or -1.
    int hitTest(int px, int py);

private:
    std::unique_ptr<Bitmap> soundBitmap;
    std::unique_ptr<Bitmap> fullScreenBitmap;
    std::unique_ptr<Bitmap> okBitmap;
    int fillColour = 0;
    int borderColour = 0;
    int borderWidth = 1;
};

#pragma once

#include <memory>

#include "media/Bitmap.h"
#include "media/SoundEffect.h"
#include "ui/Widget.h"

// Screen 0: the maker's logo fades in, stays and fades out on black, with the start jingle
// shortly after the start; then, or at the first click or key press, the host shows the menu.
// One frame of the screen per frame of the game.
class SplashScreen : public Widget {
public:
    SplashScreen(Widget* parent, int x, int y, int width, int height);

    void onFrameChanged() override;
    bool draw() override;
    void handleEvent(int eventCode) override;
    virtual void setUp(int screenWidth, int screenHeight);

    Widget* getLogo() const { return logo; }
    Bitmap* getLogoBitmap() const { return logoBitmap.get(); }

private:
    std::unique_ptr<Bitmap> logoBitmap;
    std::unique_ptr<SoundEffect> startSound;
    Widget* logo = nullptr;  // child 0
    int backgroundColour = 0x000000;
    int fadeInFrames = 15;
    int holdFrames = 30;
    int fadeOutFrames = 15;
    int soundFrame = 5;
};

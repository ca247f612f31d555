#pragma once

#include <memory>

#include "media/Bitmap.h"
#include "ui/Widget.h"

// Screen 1: the title picture with a column of picture buttons (start, high scores,
// options, help, exit) and a slot for the open box, which takes every event while open.
class MainMenu : public Widget {
public:
    enum Child {
        Title = 0,
        StartButton = 1,
        HighScoresButton = 2,
        OptionsButton = 3,
        HelpButton = 4,
        ExitButton = 5,
        Panel = 6,
    };
    static constexpr int childTotal = 7;
    static constexpr int boxFillColour = 0x000022;
    static constexpr int boxBorderColour = 0xFF9900;
    static constexpr int boxBorderWidth = 2;

    MainMenu(Widget* parent, int x, int y);

    void handleEvent(int eventCode) override;
    void onChildFinished(Widget* child, int result) override;
    virtual void setUp();

    // Index of the button containing the point, or -1.
    int buttonAt(int px, int py);
    Widget* getPanel() const { return getChild(Panel); }

private:
    std::unique_ptr<Bitmap> titleBitmap;
    std::unique_ptr<Bitmap> startBitmap;
    std::unique_ptr<Bitmap> highScoresBitmap;
    std::unique_ptr<Bitmap> optionsBitmap;
    std::unique_ptr<Bitmap> helpBitmap;
    std::unique_ptr<Bitmap> exitBitmap;
};

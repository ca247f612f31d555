#pragma once

#include <memory>

#include "media/Bitmap.h"
#include "screens/HighScoreTable.h"
#include "ui/Widget.h"

// The high-score box over the main menu: the ten entries in "Arial" under the name and
// score labels, a reset button that restores the built-in table and an OK button.
class HighScoreScreen : public Widget {
public:
    enum Child {
        OkButton = 0,
        ResetButton = 1,
        NameLabel = 2,
        ScoreLabel = 3
    };

    HighScoreScreen(Widget* parent, int x, int y, int width, int height, int fillColour, int borderColour,
                    int borderWidth);

    bool draw() override;
    void handleEvent(int eventCode) override;
    virtual void setUp();

    // 0 (OK) or 1 (reset) when the point (relative to the box) is on that button, else -1.
    int hitTest(int px, int py);
    const HighScoreTable& getTable() const { return table; }

private:
    std::unique_ptr<Bitmap> okBitmap;
    std::unique_ptr<Bitmap> resetBitmap;
    std::unique_ptr<Bitmap> nameLabelBitmap;
    std::unique_ptr<Bitmap> scoreLabelBitmap;
    int fillColour = 0;
    int borderColour = 0;
    int borderWidth = 1;
    HighScoreTable table;
};

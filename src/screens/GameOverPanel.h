#pragma once

#include <cstdint>
#include <memory>

#include "media/Bitmap.h"
#include "screens/HighScoreTable.h"
#include "ui/Widget.h"

class TextField;

// The box over the finished game: the game-over picture and OK, with either playing tips or,
// for a score that enters the high-score table, congratulations and a name field.  OK stores
// the entry (qualifying layout) and reports `gameOverResult` to the parent.
class GameOverPanel : public Widget {
public:
    static constexpr int gameOverResult = 10;
    enum Child {
        OkButton = 0,
        GameOverPicture = 1,
        MessagePicture = 2,
        NameFieldSlot = 3
    };

    GameOverPanel(Widget* parent, int x, int y, int width, int height, int fillColour, int borderColour,
                  int borderWidth, std::uint32_t finalScore);
    ~GameOverPanel() override;

    bool draw() override;
    void handleEvent(int eventCode) override;
    virtual void setUp(int boxWidth, int boxHeight, int fill, int border, int penWidth, std::uint32_t score);

    bool getIsHighScore() const { return isHighScore; }
    TextField* getNameField() const { return nameField; }

private:
    // Whether the pointer (screen coordinates) is on the OK button.
    bool isOnOk(int px, int py);

    std::unique_ptr<Bitmap> gameOverBitmap;
    std::unique_ptr<Bitmap> tipsBitmap;
    std::unique_ptr<Bitmap> congratulationsBitmap;
    std::unique_ptr<Bitmap> okBitmap;
    TextField* nameField = nullptr;  // child 3 in the qualifying layout
    int fillColour = 0;
    int borderColour = 0;
    int borderWidth = 1;
    std::uint32_t finalScore = 0;
    char enteredName[HighScoreTable::nameSize] = {};
    bool isHighScore = false;
};

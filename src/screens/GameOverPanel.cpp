#include "screens/GameOverPanel.h"

#include "media/AssetCatalogue.h"
#include "app/Application.h"
#include "screens/FramedBox.h"
#include "screens/TextField.h"
#include "ui/ButtonWalk.h"

namespace {
constexpr int okBottomGap = 40;  // from the OK button's top to the bottom edge
constexpr int pictureTop = 40;   // the game-over picture in the qualifying layout
constexpr int pictureGap = 20;   // between the stacked pictures and the name field
constexpr int fieldInset = 50;
constexpr int fieldHeight = 16;
constexpr int fieldBackground = 0xFFFFFF;
constexpr int fieldBorder = 0x000000;
constexpr int fieldBorderWidth = 1;
}  // namespace

GameOverPanel::GameOverPanel(Widget* parentWidget, int px, int py, int boxWidth, int boxHeight, int fill, int border,
                             int penWidth, std::uint32_t score)
{
    Widget::init(parentWidget, px, py, nullptr);
    setUp(boxWidth, boxHeight, fill, border, penWidth, score);
}

void GameOverPanel::setUp(int boxWidth, int boxHeight, int fill, int border, int penWidth, std::uint32_t score)
{
    setSize(boxWidth, boxHeight);
    fillColour = fill;
    borderColour = border;
    borderWidth = penWidth;
    finalScore = score;
    // Decided once, against the table as stored now.
    isHighScore = HighScoreTable::qualifies(finalScore);

    gameOverBitmap = std::make_unique<Bitmap>(pictures::gameOver);
    gameOverBitmap->createSurface();
    okBitmap = std::make_unique<Bitmap>(pictures::ok);
    okBitmap->createSurface();

    const int w = boxWidth;
    const int h = boxHeight;
    if (isHighScore) {
        congratulationsBitmap = std::make_unique<Bitmap>(pictures::congratulations);
        congratulationsBitmap->createSurface();
        allocateChildren(4);
        replaceChild(OkButton, std::make_unique<Widget>(this, (w - okBitmap->getCellWidth()) / 2, h - okBottomGap,
                                                        okBitmap.get()));
        replaceChild(GameOverPicture, std::make_unique<Widget>(this, (w - gameOverBitmap->getCellWidth()) / 2,
                                                               pictureTop, gameOverBitmap.get()));
        replaceChild(MessagePicture, std::make_unique<Widget>(this, (w - congratulationsBitmap->getCellWidth()) / 2,
                                                              getChild(GameOverPicture)->getBottom() + pictureGap,
                                                              congratulationsBitmap.get()));
        auto field = std::make_unique<TextField>(this, fieldInset, getChild(MessagePicture)->getBottom() + pictureGap,
                                                 w - 2 * fieldInset, fieldHeight, true, fieldBackground, fieldBorder,
                                                 fieldBorderWidth, nullptr, HighScoreTable::nameSize);
        nameField = field.get();
        replaceChild(NameFieldSlot, std::move(field));
        if (theApp)
            theApp->instance->showTextEntry(true);
    } else {
        tipsBitmap = std::make_unique<Bitmap>(pictures::tips);
        tipsBitmap->createSurface();
        // Centred across the panel, on its quarter lines, each by its own cell size.
        allocateChildren(3);
        replaceChild(OkButton, std::make_unique<Widget>(this, (w - okBitmap->getCellWidth()) / 2,
                                                        3 * h / 4 - okBitmap->getCellHeight() / 2, okBitmap.get()));
        replaceChild(GameOverPicture,
                     std::make_unique<Widget>(this, (w - gameOverBitmap->getCellWidth()) / 2,
                                              h / 4 - gameOverBitmap->getCellHeight() / 2, gameOverBitmap.get()));
        replaceChild(MessagePicture,
                     std::make_unique<Widget>(this, (w - tipsBitmap->getCellWidth()) / 2,
                                              h / 2 - tipsBitmap->getCellHeight() / 2, tipsBitmap.get()));
    }
}

GameOverPanel::~GameOverPanel()
{
    if (nameField && theApp)
        theApp->instance->showTextEntry(false);
}

bool GameOverPanel::isOnOk(int px, int py)
{
    Widget* ok = getChild(OkButton);
    const int relativeX = px - (originX + x);
    const int relativeY = py - (originY + y);
    return ok && ok->getX() <= relativeX && relativeX < ok->getRight() && ok->getY() <= relativeY &&
           relativeY < ok->getBottom();
}

bool GameOverPanel::draw()
{
    if (!drawFramedBox(originX + x, originY + y, width, height, fillColour, borderColour, borderWidth))
        return false;
    theApp->endDraw();
    return drawChildren();
}

void GameOverPanel::handleEvent(int eventCode)
{
    if (!theApp)
        return;
    switch (eventCode) {
    case MouseMoved:
        if (Widget* ok = getChild(OkButton))
            ok->setFrame(isOnOk(theApp->mouseX, theApp->mouseY) ? 1 : 0);
        return;
    case MousePressed:
        if (!isOnOk(theApp->mouseX, theApp->mouseY))
            return;
        if (isHighScore && nameField) {
            nameField->getText(enteredName, sizeof enteredName);
            HighScoreTable::insert(enteredName, finalScore);
        }
        if (parent)
            parent->onChildFinished(this, gameOverResult);  // the game returns to the menu
        return;
    case KeyPressed: {
        // Enter and Escape (pad A and B) both confirm, as the one button does; the arrows
        // belong to the name field where there is one.
        const ButtonWalk::Step step = ButtonWalk::stepOfKey(theApp->keyCode);
        if (step == ButtonWalk::Step::Press || step == ButtonWalk::Step::Leave) {
            ButtonWalk::pointAt(*this, OkButton);
            ButtonWalk::click(*this);
            return;
        }
        if (isHighScore && nameField)
            nameField->handleEvent(eventCode);
        else
            ButtonWalk::walk(*this, {OkButton}, OkButton);
        return;
    }
    case CharTyped:
        if (isHighScore && nameField)
            nameField->handleEvent(eventCode);
        return;
    default: return;
    }
}

// The game screen's picture: counters and buttons, the field, the time bar, the lines over
// the field (cursor, outlines of the squares being cleared, hints), then popup and panel.
#include "game/GameScreen.h"

#include "app/Application.h"
#include "game/SquareList.h"
#include "game/Block.h"

namespace {

constexpr const char* pausedFace = "Arial";
constexpr int pausedFontHeight = 16;
constexpr int screenBottom = 600;

}  // namespace

bool GameScreen::draw()
{
    for (int i : {static_cast<int>(Background), static_cast<int>(TouchControls)}) {
        Widget* child = getChild(i);
        if (child && !child->draw())
            return false;
    }
    for (int i = LevelDisplay; i <= SpecialBlock; ++i) {
        Widget* child = getChild(i);
        if (child && !child->draw())
            return false;
    }

    // Blocks waiting above the field stay hidden until they slide into it.
    const int left = originX + x + BoardRules::fieldLeft;
    const int top = originY + y + BoardRules::fieldTop;
    const int right = left + BoardRules::fieldPixelWidth;
    const int bottom = top + BoardRules::fieldPixelHeight;
    for (int j = 0; j < BoardRules::cellCount; ++j) {
        Block* block = rules->getCell(j);
        if (block && !block->drawClipped(left, top, right, bottom))
            return false;
    }

    if (!drawTimeBar())
        return false;

    if (!theApp || !theApp->beginDraw())
        return false;
    drawCursor();
    drawOutlines(rules->getSquareList(), rules->getSquareList().getCount(), 2, rules->getOutlineColour());
    drawOutlines(rules->getHintList(), rules->getHintList().getCount(), 1, hintColour);
    if (paused) {
        // Under the field: the round came back and waits for the player.
        theApp->selectFont(pausedFace, pausedFontHeight, cursorColour);
        theApp->drawText(BoardRules::fieldLeft, BoardRules::fieldTop + BoardRules::fieldPixelHeight,
                         BoardRules::fieldLeft + BoardRules::fieldPixelWidth, screenBottom, 1,
                         "Paused - click or touch to play on");
        theApp->deleteFont();
    }
    theApp->endDraw();

    for (int i : {static_cast<int>(PointsPopup), static_cast<int>(Panel)}) {
        Widget* child = getChild(i);
        if (child && !child->draw())
            return false;
    }
    return true;
}

// Red when nearly empty, orange at the start, yellow when full.
bool GameScreen::drawTimeBar()
{
    const int w = rules->getTimeLeft() / BoardRules::timePerPixel;
    if (w <= 0)
        return true;
    const int g = (w * 255 / timeBarMaxWidth) % 256;
    return theApp && theApp->fillRect(timeBarX, topRowY, w, timeBarHeight, 0xFF0000 + g * 256);
}

// A white frame round the outer edges of the four blocks of the group under the pointer.
void GameScreen::drawCursor()
{
    if (hoverX < 0 || hoverX >= BoardRules::gridWidth - 1 || hoverY < 0 || hoverY >= BoardRules::gridHeight - 1)
        return;
    const int x0 = BoardRules::cellX(hoverX);
    const int y0 = BoardRules::cellY(hoverY);
    const int x1 = x0 + BoardRules::gridStepX + BoardRules::blockWidth;
    const int y1 = y0 + BoardRules::gridStepY + BoardRules::blockHeight;
    theApp->selectPen(1, cursorColour);
    theApp->drawLine(x0, y0, x1, y0);
    theApp->drawLine(x1, y0, x1, y1);
    theApp->drawLine(x1, y1, x0, y1);
    theApp->drawLine(x0, y1, x0, y0);
    theApp->deletePen();
}

// Each square joins the centres of its four corner cells; the last two corners follow from
// the first two by quarter turns in pixels, exact because the cells are square.
void GameScreen::drawOutlines(const SquareList& list, int count, int penWidth, int colour)
{
    theApp->selectPen(penWidth, colour);
    for (int i = 0; i < count; ++i) {
        const SquareRecord square = SquareList::unpack(list.getRecord(i));
        auto centreX = [](int c) {
            return BoardRules::gridStepX * c + BoardRules::fieldLeft + BoardRules::gridStepX / 2;
        };
        auto centreY = [](int r) {
            return BoardRules::gridStepY * r + BoardRules::fieldTop + BoardRules::gridStepY / 2;
        };
        const int x1 = centreX(square.x1);
        const int y1 = centreY(square.y1);
        const int x2 = centreX(square.x2);
        const int y2 = centreY(square.y2);
        const int x3 = x2 - (y2 - y1);
        const int y3 = y2 + (x2 - x1);
        const int x4 = x3 - (y3 - y2);
        const int y4 = y3 + (x3 - x2);
        const int x5 = x4 - (y4 - y3);
        const int y5 = y4 + (x4 - x3);
        theApp->drawLine(x1, y1, x2, y2);
        theApp->drawLine(x2, y2, x3, y3);
        theApp->drawLine(x3, y3, x4, y4);
        theApp->drawLine(x4, y4, x5, y5);
    }
    theApp->deletePen();
}

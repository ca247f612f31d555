#include "screens/HighScoreScreen.h"

#include "media/AssetCatalogue.h"
#include "app/Application.h"
#include "screens/FramedBox.h"
#include "ui/ButtonWalk.h"

namespace {
constexpr const char* rowFace = "Arial";
constexpr int rowFontHeight = 16;
constexpr int rowColour = 0xFFFFFF;
constexpr int rowInset = 40;  // left and right of the rows
constexpr int firstRowTop = 70;
constexpr int rowHeight = 20;
constexpr int rowPitch = 25;
constexpr int labelInset = 40;
constexpr int buttonOffset = 70;  // from the centre line
constexpr int buttonGap = 40;     // between the buttons and the bottom edge
}  // namespace

HighScoreScreen::HighScoreScreen(Widget* parentWidget, int px, int py, int boxWidth, int boxHeight, int fill,
                                 int border, int penWidth)
{
    Widget::init(parentWidget, px, py, nullptr);
    setSize(boxWidth, boxHeight);
    fillColour = fill;
    borderColour = border;
    borderWidth = penWidth;
    setUp();
}

void HighScoreScreen::setUp()
{
    okBitmap = std::make_unique<Bitmap>(pictures::ok);
    resetBitmap = std::make_unique<Bitmap>(pictures::resetScores);
    nameLabelBitmap = std::make_unique<Bitmap>(pictures::nameLabel);
    scoreLabelBitmap = std::make_unique<Bitmap>(pictures::scoreLabel);
    okBitmap->createSurface();
    resetBitmap->createSurface();
    nameLabelBitmap->createSurface();
    scoreLabelBitmap->createSurface();

    table.load();

    const int w = width;
    const int h = height;
    allocateChildren(4);
    replaceChild(OkButton, std::make_unique<Widget>(this, w / 2 + buttonOffset,
                                                    h - okBitmap->getCellHeight() - buttonGap, okBitmap.get()));
    replaceChild(ResetButton,
                 std::make_unique<Widget>(this, w / 2 - buttonOffset, h - resetBitmap->getCellHeight() - buttonGap,
                                          resetBitmap.get()));
    replaceChild(NameLabel, std::make_unique<Widget>(this, labelInset, labelInset, nameLabelBitmap.get()));
    replaceChild(ScoreLabel, std::make_unique<Widget>(this, w - scoreLabelBitmap->getCellWidth() - labelInset,
                                                      labelInset, scoreLabelBitmap.get()));
}

int HighScoreScreen::hitTest(int px, int py)
{
    for (int i = OkButton; i <= ResetButton; ++i) {
        Widget* child = getChild(i);
        if (child && child->getX() <= px && px < child->getRight() && child->getY() <= py && py < child->getBottom())
            return i;
    }
    return -1;
}

bool HighScoreScreen::draw()
{
    const int left = originX + x;
    const int top = originY + y;
    if (!drawFramedBox(left, top, width, height, fillColour, borderColour, borderWidth))
        return false;
    for (int i = 0; i < HighScoreTable::HighScoreTableSize; ++i) {
        theApp->selectFont(rowFace, rowFontHeight, rowColour);
        const int rowTop = top + firstRowTop + rowPitch * i;
        const int rowLeft = left + rowInset;
        const int rowRight = left + width - rowInset;
        theApp->drawText(rowLeft, rowTop, rowRight, rowTop + rowHeight, 0, table.names[i]);
        theApp->drawNumber(rowLeft, rowTop, rowRight, rowTop + rowHeight, 2, table.scores[i]);
        theApp->deleteFont();
    }
    theApp->endDraw();
    return drawChildren();
}

void HighScoreScreen::handleEvent(int eventCode)
{
    if (!theApp)
        return;
    if (eventCode == KeyPressed) {
        ButtonWalk::walk(*this, {ResetButton, OkButton}, OkButton);
        return;
    }
    const int hit = hitTest(theApp->mouseX - (originX + x), theApp->mouseY - (originY + y));
    if (eventCode == MouseMoved) {
        getChild(OkButton)->setFrame(0);
        getChild(ResetButton)->setFrame(0);
        if (hit >= 0)
            getChild(hit)->setFrame(1);
    } else if (eventCode == MousePressed) {
        if (hit == OkButton) {
            if (parent)
                parent->onChildFinished(this, 0);  // the parent deletes this box
        } else if (hit == ResetButton) {
            table.reset();
        }
    }
}

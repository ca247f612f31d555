#include "screens/MainMenu.h"

#include "media/AssetCatalogue.h"
#include "app/Application.h"
#include "screens/HighScoreScreen.h"
#include "screens/OptionsScreen.h"
#include "ui/ButtonWalk.h"

namespace {
constexpr int menuWidth = 800;
}  // namespace

MainMenu::MainMenu(Widget* parentWidget, int px, int py)
{
    Widget::init(parentWidget, px, py, nullptr);
    setUp();
}

void MainMenu::setUp()
{
    titleBitmap = std::make_unique<Bitmap>(pictures::title);
    startBitmap = std::make_unique<Bitmap>(pictures::start);
    highScoresBitmap = std::make_unique<Bitmap>(pictures::highScores);
    optionsBitmap = std::make_unique<Bitmap>(pictures::options);
    helpBitmap = std::make_unique<Bitmap>(pictures::help);
    exitBitmap = std::make_unique<Bitmap>(pictures::exit);
    for (Bitmap* picture : {titleBitmap.get(), startBitmap.get(), highScoresBitmap.get(), optionsBitmap.get(),
                            helpBitmap.get(), exitBitmap.get()})
        picture->createSurface();

    // The buttons are centred across the screen, each by its own cell width.
    auto button = [this](Bitmap* picture, int top) {
        return std::make_unique<Widget>(this, (menuWidth - picture->getCellWidth()) / 2, top, picture);
    };
    allocateChildren(childTotal);
    replaceChild(Title, std::make_unique<Widget>(this, 0, 0, titleBitmap.get()));
    replaceChild(StartButton, button(startBitmap.get(), 216));
    replaceChild(HighScoresButton, button(highScoresBitmap.get(), 293));
    replaceChild(OptionsButton, button(optionsBitmap.get(), 324));
    replaceChild(HelpButton, button(helpBitmap.get(), 355));
    replaceChild(ExitButton, button(exitBitmap.get(), 450));
}

int MainMenu::buttonAt(int px, int py)
{
    // The buttons are every child after the title and before the panel slot.
    for (int i = StartButton; i <= childCount - 2; ++i) {
        Widget* child = getChild(i);
        if (child && child->getX() <= px && px < child->getX() + child->getWidth() && child->getY() <= py &&
            py < child->getY() + child->getHeight())
            return i;
    }
    return -1;
}

void MainMenu::handleEvent(int eventCode)
{
    if (Widget* panel = getPanel()) {
        panel->handleEvent(eventCode);
        return;
    }
    if (!theApp)
        return;
    if (eventCode == MouseMoved) {
        for (int i = StartButton; i < childCount; ++i) {
            if (Widget* child = getChild(i))
                child->setFrame(0);
        }
        const int hit = buttonAt(theApp->mouseX, theApp->mouseY);
        if (hit >= 0)
            getChild(hit)->setFrame(1);
        return;
    }
    if (eventCode == KeyPressed) {
        ButtonWalk::walk(*this, {StartButton, HighScoresButton, OptionsButton, HelpButton, ExitButton}, -1);
        return;
    }
    if (eventCode != MousePressed)
        return;
    switch (buttonAt(theApp->mouseX, theApp->mouseY)) {
    case StartButton:
        if (parent)
            parent->nextFrame();  // the host builds the game and deletes this menu
        return;
    case HighScoresButton:
        replaceChild(Panel, std::make_unique<HighScoreScreen>(this, 200, 110, 400, 380, boxFillColour, boxBorderColour,
                                                              boxBorderWidth));
        return;
    case OptionsButton:
        replaceChild(Panel, std::make_unique<OptionsScreen>(this, 300, 200, 200, 200, boxFillColour, boxBorderColour,
                                                            boxBorderWidth));
        return;
    case HelpButton: theApp->showHelp(); return;
    case ExitButton: theApp->closeWindow(); return;
    default: return;
    }
}

void MainMenu::onChildFinished(Widget* child, int result)
{
    if (child && child == getPanel() && result == 0)
        replaceChild(Panel, nullptr);
}

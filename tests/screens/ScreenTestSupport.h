#pragma once

// Shared by the screen tests: a headless application with a widget tree installed as the
// root, input sent through the application's window procedure, and pixel helpers.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "platform/Message.h"
#include "support/HeadlessApp.h"
#include "support/StoredValues.h"
#include "ui/ScreenHost.h"

namespace screens_test {

using platform::MessageKind;

// A stand-in for the game screen: asks the host for the menu when clicked, as the game does
// when its end-of-game panel is confirmed.
class StandInGame : public Widget {
public:
    explicit StandInGame(ScreenHost& host) : Widget(&host, 0, 0, nullptr) {}
    void handleEvent(int eventCode) override
    {
        if (eventCode == MousePressed)
            getParent()->setFrame(ScreenHost::MainMenuNumber);
    }
};

// Records the events it receives (stands in for a screen whose input is to be watched).
class EventRecorder : public Widget {
public:
    EventRecorder(Widget* owner, std::vector<int>& record) : Widget(owner, 0, 0, nullptr), events(record) {}
    void handleEvent(int eventCode) override { events.push_back(eventCode); }
    std::vector<int>& events;
};

class ScreenTest : public ::testing::Test {
protected:
    explicit ScreenTest(int bitsPerPixel = 32) : headless(bitsPerPixel) {}

    Application& app() { return headless.app(); }

    // The real screens, except that screen 2 is a stand-in for the game.
    ScreenHost& installHost()
    {
        auto* host = new ScreenHost(nullptr, 0, 0, [](ScreenHost& owner, int screen) -> std::unique_ptr<Widget> {
            if (screen == ScreenHost::GameScreenNumber)
                return std::make_unique<StandInGame>(owner);
            return ScreenHost::makeGameScreen(owner, screen);
        });
        rootWidget = host;
        return *host;
    }

    void move(int x, int y) { headless.send(MessageKind::MouseMove, 0, x, y); }
    void click(int x, int y, int buttons = 1)
    {
        move(x, y);
        headless.send(MessageKind::ButtonDown, buttons, x, y);
    }
    // A press without the move before it (the pointer jumped there).
    void press(int x, int y, int buttons = 1) { headless.send(MessageKind::ButtonDown, buttons, x, y); }
    void keyDown(int code) { headless.send(MessageKind::KeyDown, code); }
    void keyUp(int code) { headless.send(MessageKind::KeyUp, code); }
    void typeChar(int code) { headless.send(MessageKind::Char, code); }
    void type(const std::string& text)
    {
        for (char c : text)
            typeChar(static_cast<unsigned char>(c));
    }

    // One frame as the loop runs it: draw, then update.
    bool frame()
    {
        const bool drawn = rootWidget && rootWidget->draw();
        if (rootWidget)
            rootWidget->update();
        return drawn;
    }
    bool drawOnly() { return rootWidget && rootWidget->draw(); }

    std::uint32_t colourAt(int x, int y) { return headless.colourAt(x, y); }

    // The colours of a rectangle of the back surface, row by row.
    std::vector<std::uint32_t> region(int left, int top, int right, int bottom)
    {
        std::vector<std::uint32_t> colours;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                colours.push_back(colourAt(x, y));
        return colours;
    }

    // How the text looks drawn in "Arial" at `height` in `colour` into the rectangle, on a
    // `background` fill: draws it, reads it back, and leaves the rectangle as drawn.
    std::vector<std::uint32_t> referenceText(int left, int top, int right, int bottom, int alignment, const char* text,
                                             int height, int colour, int background)
    {
        app().fillRect(left, top, right - left, bottom - top, background);
        app().beginDraw();
        app().selectFont("Arial", height, colour);
        app().drawText(left, top, right, bottom, alignment, text);
        app().deleteFont();
        app().endDraw();
        return region(left, top, right, bottom);
    }

    // Pixels of the rectangle that are not `background`.
    int countOther(int left, int top, int right, int bottom, std::uint32_t background)
    {
        int count = 0;
        for (std::uint32_t colour : region(left, top, right, bottom))
            count += colour != background ? 1 : 0;
        return count;
    }

    // Writes the back surface as a PNG under the build's screenshot folder (for looking at).
    void screenshot(const std::string& name);

    HeadlessApp headless;
};

}  // namespace screens_test

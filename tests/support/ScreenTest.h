#pragma once

// Shared by the screen and game-screen tests: the real application on the headless SDL layer
// with a widget tree as the root, input sent through the application's window procedure, and
// the back surface read back.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/Application.h"
#include "platform/Message.h"
#include "support/HeadlessApp.h"
#include "support/StoredValues.h"
#include "ui/Widget.h"

class ScreenTestBase : public ::testing::Test {
protected:
    Application& app() { return headless.app(); }

    void move(int x, int y) { headless.send(platform::MessageKind::MouseMove, 0, x, y); }
    void click(int x, int y, int buttons = 1)
    {
        move(x, y);
        press(x, y, buttons);
    }
    // A press without the move before it (the pointer jumped there).
    void press(int x, int y, int buttons = 1) { headless.send(platform::MessageKind::ButtonDown, buttons, x, y); }
    void keyDown(int code) { headless.send(platform::MessageKind::KeyDown, code); }
    void keyUp(int code) { headless.send(platform::MessageKind::KeyUp, code); }
    void typeChar(int code) { headless.send(platform::MessageKind::Char, code); }
    void type(const std::string& text)
    {
        for (char c : text)
            typeChar(static_cast<unsigned char>(c));
    }

    // One frame as the loop runs it: draw, then update.
    bool frame()
    {
        const bool drawn = drawOnly();
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

    // Writes the back surface as a PNG under the build's screenshot folder (for looking at).
    void screenshot(const std::string& name) { saveTestScreenshot(app(), name); }

    HeadlessApp headless;
};

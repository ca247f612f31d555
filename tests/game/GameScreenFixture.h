#pragma once

// Shared by the game-screen tests: a screen host with the real screens and a game dealt from a
// fixed time of day.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/GameScreen.h"
#include "game/Block.h"
#include "support/ScreenTest.h"
#include "ui/ScreenHost.h"

namespace game_test {

// The platform of the headless application with the time of day fixed, so that the game
// screen deals the same field every run.
class FixedClockPlatform : public platform::Platform {
public:
    FixedClockPlatform(platform::Platform& real, std::int64_t seconds) : inner(real), secondsOfDay(seconds) {}

    void setMessageHandler(MessageHandler handler) override { inner.setMessageHandler(std::move(handler)); }
    std::unique_ptr<platform::Window> createWindow(const platform::WindowSettings& settings) override
    {
        return inner.createWindow(settings);
    }
    std::unique_ptr<platform::DisplayDevice> createDisplayDevice(platform::Window& window, int width, int height,
                                                                 int bits) override
    {
        return inner.createDisplayDevice(window, width, height, bits);
    }
    std::unique_ptr<platform::SoundDevice> createSoundDevice(platform::Window* window,
                                                             const platform::WaveFormat& primary) override
    {
        return inner.createSoundDevice(window, primary);
    }
    std::unique_ptr<platform::SettingsKey> openSettings(const char* company, const char* product) override
    {
        return inner.openSettings(company, product);
    }
    bool peekMessage() override { return inner.peekMessage(); }
    bool getMessage(platform::Message& message) override { return inner.getMessage(message); }
    void dispatchMessage(const platform::Message& message) override { inner.dispatchMessage(message); }
    void waitMessage(int timeoutMs) override { inner.waitMessage(timeoutMs); }
    void postQuitMessage(int exitCode) override { inner.postQuitMessage(exitCode); }
    std::uint32_t getMilliseconds() override { return inner.getMilliseconds(); }
    std::int64_t getSecondsOfDay() override { return secondsOfDay; }
    void showMessageBox(platform::Window* owner, const char* caption, const char* text,
                        platform::MessageIcon icon) override
    {
        inner.showMessageBox(owner, caption, text, icon);
    }
    bool openWebPage(platform::Window* owner, const char* address) override
    {
        return inner.openWebPage(owner, address);
    }
    bool showHelp(platform::Window* owner, const char* helpFile) override { return inner.showHelp(owner, helpFile); }

private:
    platform::Platform& inner;
    std::int64_t secondsOfDay;
};

// A field without a single square where no single turn makes one either: kind (c + 3r) mod 8
// + 2 repeats only along steps whose square would leave the field.
extern const std::array<const char*, 8> hintlessRows;

class GameScreenTest : public ScreenTestBase {
protected:
    explicit GameScreenTest(int bitsPerPixel = 32) : ScreenTestBase(bitsPerPixel) {}

    // The real host, switched to the game as the menu's start button does; the clock reads
    // `seconds` while the game is dealt.
    GameScreen& startGame(std::int64_t seconds = 12345);
    ScreenHost& host() { return *hostWidget; }
    // The current game screen, or null when the host shows something else.
    GameScreen* currentGame();
    GameScreen& game() { return *currentGame(); }
    BoardRules& rules() { return game().getRules(); }

    // Sets the field's kinds from eight rows ('2'..'9' a colour, 'W' WildKind).
    void setKinds(const std::array<const char*, 8>& rows);
    std::string kinds();

    void frames(int n)
    {
        for (int i = 0; i < n; ++i)
            ASSERT_TRUE(frame());
    }

    // Plays out the rest of the time, so that the next tick ends the game.
    void leaveOneUnit() { rules().spendTime(rules().getTimeLeft() - 1); }

    // The inside of a block's picture at (x, y), one pixel in from each edge.
    std::vector<std::uint32_t> blockInside(int x, int y) { return region(x + 1, y + 1, x + 29, y + 29); }

    ScreenHost* hostWidget = nullptr;
};

}  // namespace game_test

#include "GameScreenFixture.h"

#include "support/StoredValues.h"

#include "platform/Settings.h"

namespace game_test {

const std::array<const char*, 8> hintlessRows = {
    "23456789", "56789234", "89234567", "34567892", "67892345", "92345678", "45678923", "78923456",
};

GameScreen& GameScreenTest::startGame(std::int64_t seconds)
{
    hostWidget = new ScreenHost(nullptr, 0, 0);
    rootWidget = hostWidget;
    FixedClockPlatform clock(headless.platform(), seconds);
    platform::Platform* real = app().instance;
    app().instance = &clock;
    hostWidget->setFrame(ScreenHost::GameScreenNumber);
    app().instance = real;
    return game();
}

GameScreen* GameScreenTest::currentGame()
{
    return hostWidget ? dynamic_cast<GameScreen*>(hostWidget->getChild(0)) : nullptr;
}

void GameScreenTest::setKinds(const std::array<const char*, 8>& rows)
{
    for (int cy = 0; cy < BoardRules::gridHeight; ++cy) {
        for (int cx = 0; cx < BoardRules::gridWidth; ++cx) {
            const char c = rows[cy][cx];
            rules().getCell(cx, cy)->setKind(c == 'W' ? Block::WildKind : c - '0');
        }
    }
}

std::string GameScreenTest::kinds()
{
    std::string text;
    for (int j = 0; j < BoardRules::cellCount; ++j)
        text += static_cast<char>('0' + rules().getCell(j)->getKind());
    return text;
}

void GameScreenTest::type(const std::string& text)
{
    for (char c : text)
        headless.send(MessageKind::Char, static_cast<unsigned char>(c));
}

bool GameScreenTest::frame()
{
    const bool drawn = rootWidget && rootWidget->draw();
    if (rootWidget)
        rootWidget->update();
    return drawn;
}

std::vector<std::uint32_t> GameScreenTest::region(int left, int top, int right, int bottom)
{
    std::vector<std::uint32_t> colours;
    for (int py = top; py < bottom; ++py)
        for (int px = left; px < right; ++px)
            colours.push_back(colourAt(px, py));
    return colours;
}

void GameScreenTest::screenshot(const std::string& name) { saveTestScreenshot(app(), name); }

}  // namespace game_test

#include "GameScreenFixture.h"

#include "support/FakePlatform.h"

namespace game_test {

const std::array<const char*, 8> hintlessRows = {
    "23456789", "56789234", "89234567", "34567892", "67892345", "92345678", "45678923", "78923456",
};

GameScreen& GameScreenTest::startGame(std::int64_t seconds)
{
    hostWidget = new ScreenHost(nullptr, 0, 0);
    rootWidget = hostWidget;
    // The game deals from the time of day: a platform double's clock reads `seconds` while it is built.
    FakePlatform clock;
    clock.secondsOfDay = seconds;
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

}  // namespace game_test

#include "StateWriter.h"

#include <sstream>

#include "game/GameScreen.h"
#include "game/Block.h"
#include "ui/ScreenHost.h"

namespace {

GameScreen* gameScreenOf(Widget* root)
{
    if (!root)
        return nullptr;
    for (int i = 0; i < root->getChildCount(); ++i) {
        if (auto* game = dynamic_cast<GameScreen*>(root->getChild(i)))
            return game;
    }
    return nullptr;
}

void describeGame(std::ostringstream& json, GameScreen& game)
{
    const BoardRules& rules = game.getRules();
    Block* special = rules.getSpecialBlock();
    json << ",\"score\":" << rules.getScore() << ",\"timeLeft\":" << rules.getTimeLeft()
         << ",\"level\":" << rules.getLevel() << ",\"removed\":" << rules.getRemovedCount()
         << ",\"target\":" << rules.getLevelTarget() << ",\"chain\":" << rules.getChain()
         << ",\"combo\":" << rules.getCombo() << ",\"running\":" << (rules.isGameRunning() ? "true" : "false")
         << ",\"moving\":" << (rules.isMoving() ? "true" : "false")
         << ",\"removing\":" << (rules.isRemoving() ? "true" : "false")
         << ",\"special\":" << (special && special->getAlpha() != 0 ? special->getKind() : -1)
         << ",\"panel\":" << (game.getPanel() ? "true" : "false") << ",\"kinds\":[";
    for (int j = 0; j < BoardRules::cellCount; ++j) {
        const Block* block = rules.getCell(j);
        json << (j ? "," : "") << (block ? block->getKind() : -1);
    }
    json << "]";
}

}  // namespace

std::string describeState(int frame, Widget* root)
{
    std::ostringstream json;
    json << "{\"frame\":" << frame;
    json << ",\"screen\":" << (root ? root->getFrame() : -1);
    if (root && root->getFrame() == ScreenHost::GameScreenNumber) {
        if (GameScreen* game = gameScreenOf(root))
            describeGame(json, *game);
    }
    json << "}";
    return json.str();
}

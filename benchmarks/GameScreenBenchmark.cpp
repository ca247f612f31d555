// What one frame of the game screen costs during play (draw, then update), at 16 and 32 bits,
// on the headless SDL layer.  Run from the folder that holds the pictures and sounds.
#include <benchmark/benchmark.h>

#include "app/Application.h"
#include "game/GameScreen.h"
#include "platform/Message.h"
#include "startup/GameScreens.h"
#include "support/HeadlessApp.h"
#include "ui/ScreenHost.h"

namespace {

void gameScreenFrame(benchmark::State& state)
{
    HeadlessApp headless(static_cast<int>(state.range(0)));
    auto* host = new ScreenHost(nullptr, 0, 0, makeGameScreen);
    rootWidget = host;
    host->setFrame(ScreenHost::GameScreenNumber);
    auto* game = dynamic_cast<GameScreen*>(host->getChild(0));
    if (!game) {
        state.SkipWithError("no game screen");
        return;
    }
    BoardRules& rules = game->getRules();
    rules.getRandom().seed(7);
    headless.send(platform::MessageKind::MouseMove, 0, 340, 340);  // the frame on a group
    int turn = 0;
    for (auto _ : state) {
        // Keep the game going: a turn whenever the field rests, and time to play on.
        if (rules.isIdle()) {
            rules.makeMove(turn % 7, (turn / 7) % 7, turn % 2 == 0);
            ++turn;
        }
        if (rules.getTimeLeft() < 500)
            rules.addTime(1000);
        benchmark::DoNotOptimize(host->draw());
        host->update();
    }
    state.counters["moves"] = turn;
}
BENCHMARK(gameScreenFrame)->Arg(16)->Arg(32)->ArgName("bits")->Unit(benchmark::kMicrosecond);

}  // namespace

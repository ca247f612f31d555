// Start-up to the first splash frame, and the cost of a frame of the menu with each box open.
#include <benchmark/benchmark.h>

#include "app/Application.h"
#include "startup/GameScreens.h"
#include "support/HeadlessApp.h"
#include "ui/ScreenHost.h"

namespace {

// From nothing to the first splash frame on the screen: the platform, the application with
// its window, display and sound devices, the screen host with the splash, one draw and the
// presentation.
void StartToFirstSplashFrame(benchmark::State& state)
{
    for (auto _ : state) {
        HeadlessApp headless(static_cast<int>(state.range(0)));
        rootWidget = new ScreenHost(nullptr, 0, 0, makeGameScreen);
        benchmark::DoNotOptimize(rootWidget->draw());
        benchmark::DoNotOptimize(headless.app().present());
        state.PauseTiming();
        headless.shutDown();
        state.ResumeTiming();
    }
}
BENCHMARK(StartToFirstSplashFrame)->Arg(16)->Arg(32)->Unit(benchmark::kMillisecond);

// One frame (draw, update, present) of the menu with nothing, the options box or the
// high-score box open.
void MenuFrame(benchmark::State& state)
{
    HeadlessApp headless(static_cast<int>(state.range(0)));
    auto* host = new ScreenHost(nullptr, 0, 0, makeGameScreen);
    rootWidget = host;
    host->setFrame(ScreenHost::MainMenuNumber);
    const int box = static_cast<int>(state.range(1));
    if (box != 0) {
        const int x = box == 1 ? 373 : 359;
        const int y = box == 1 ? 334 : 303;
        headless.send(platform::MessageKind::ButtonDown, 1, x, y);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(rootWidget->draw());
        rootWidget->update();
        benchmark::DoNotOptimize(headless.app().present());
    }
    state.SetLabel(box == 0 ? "menu" : box == 1 ? "options box" : "high-score box");
}
BENCHMARK(MenuFrame)->Args({16, 0})->Args({32, 0})->Args({16, 1})->Args({32, 2})->Args({16, 2})->Unit(
    benchmark::kMicrosecond);

}  // namespace

// The floor a frame cannot beat, a bare copy of the whole 800 × 600 back surface into another
// surface of its format, beside a splash frame while the logo is half blended in.  Compare
// gameScreenFrame and MenuFrame with FrameFloor_BackSurfaceCopy of the same depth.
#include <benchmark/benchmark.h>

#include "app/Application.h"
#include "platform/Display.h"
#include "platform/Surface.h"
#include "startup/GameScreens.h"
#include "support/HeadlessApp.h"
#include "ui/ScreenHost.h"

namespace {

void FrameFloor_BackSurfaceCopy(benchmark::State& state)
{
    HeadlessApp headless(static_cast<int>(state.range(0)));
    Application& app = headless.app();
    auto copy = app.directDraw->createSurface(800, 600);
    if (!copy || !app.backSurface) {
        state.SkipWithError("no surfaces");
        return;
    }
    const platform::Rect whole{0, 0, 800, 600};
    for (auto _ : state)
        benchmark::DoNotOptimize(copy->blit(*app.backSurface, whole, 0, 0, false));
}
BENCHMARK(FrameFloor_BackSurfaceCopy)->Arg(16)->Arg(32)->ArgName("bits")->Unit(benchmark::kMicrosecond);

// A splash frame (draw, then the update that would move it on, undone) with the logo at
// half strength: the black screen and one blended picture.
void SplashFrameBlending(benchmark::State& state)
{
    HeadlessApp headless(static_cast<int>(state.range(0)));
    auto* host = new ScreenHost(nullptr, 0, 0, makeGameScreen);
    rootWidget = host;
    Widget* splash = host->getChild(0);
    if (!splash) {
        state.SkipWithError("no splash screen");
        return;
    }
    for (auto _ : state) {
        splash->setFrame(7);
        benchmark::DoNotOptimize(host->draw());
        host->update();
    }
}
BENCHMARK(SplashFrameBlending)->Arg(16)->Arg(32)->ArgName("bits")->Unit(benchmark::kMicrosecond);

}  // namespace

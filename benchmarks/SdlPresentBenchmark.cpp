// What a frame's presentation and the picture copies cost at each back-surface depth,
// on SDL's dummy video driver (software renderer, no waiting for the display).
#include <benchmark/benchmark.h>
#include <cstdlib>

#include "platform/sdl/SdlPlatform.h"

namespace {

using namespace platform;

struct Headless {
    explicit Headless(int bits)
    {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        sdl::Options options;
        options.backSurfaceBits = bits;
        system = sdl::createSdlPlatform(options);
        window = system->createWindow(WindowSettings{});
        if (window)
            device = system->createDisplayDevice(*window, 800, 600, 16);
        if (device && !device->createSurfaces())
            device.reset();
    }
    ~Headless()
    {
        device.reset();
        window.reset();
    }
    std::unique_ptr<Platform> system;
    std::unique_ptr<Window> window;
    std::unique_ptr<DisplayDevice> device;
};

void sdlPresent(benchmark::State& state)
{
    Headless headless(static_cast<int>(state.range(0)));
    if (!headless.device) {
        state.SkipWithError("no display");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(headless.device->present());
}
BENCHMARK(sdlPresent)->Arg(16)->Arg(24)->Arg(32)->Unit(benchmark::kMicrosecond);

// A full-screen picture copied into the back surface: opaque, keyed with one value, keyed
// with a range.
void sdlBlit(benchmark::State& state)
{
    Headless headless(static_cast<int>(state.range(0)));
    if (!headless.device) {
        state.SkipWithError("no display");
        return;
    }
    auto picture = headless.device->createSurface(800, 600);
    picture->fill(Rect{0, 0, 400, 600}, 0x1234);
    const int mode = static_cast<int>(state.range(1));
    picture->setColourKey(0, mode == 2 ? 0x10 : 0);
    Surface& back = *headless.device->getBackSurface();
    for (auto _ : state)
        benchmark::DoNotOptimize(back.blit(*picture, Rect{0, 0, 800, 600}, 0, 0, mode != 0));
}
BENCHMARK(sdlBlit)
    ->ArgsProduct({{16, 24, 32}, {0, 1, 2}})
    ->ArgNames({"bits", "opaque0/key1/range2"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

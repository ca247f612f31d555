// What each drawing primitive costs per call on the headless SDL layer, at 16 and 32 bits.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "media/Bitmap.h"
#include "support/HeadlessApp.h"
#include "support/TestFiles.h"

namespace {

std::uint32_t pattern(int x, int y) { return ((x * 3) & 0xFF) << 16 | ((y * 5) & 0xFF) << 8 | ((x ^ y) & 0xFF); }

// A headless game with one picture of the given size, loaded and ready to draw.
struct Scene {
    Scene(int depth, int width, int height, bool keyed) : app(depth), file((folder.path() / "bench.bmp").string())
    {
        writeBitmapFile(file, width, height, [](int x, int y) { return (x + y) % 7 == 0 ? 0u : pattern(x, y); });
        bitmap = keyed ? std::make_unique<Bitmap>(file.c_str(), width, height, 1, 1, 1, 0, 0)
                       : std::make_unique<Bitmap>(file.c_str(), width, height, 1, 1, 1);
        bitmap->createSurface();
    }
    TemporaryFolder folder;
    HeadlessApp app;
    std::string file;
    std::unique_ptr<Bitmap> bitmap;
};

void FullScreenOpaqueBlit(benchmark::State& state)
{
    Scene scene(static_cast<int>(state.range(0)), 800, 600, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(scene.bitmap->drawCell(0, 0, 0));
}
BENCHMARK(FullScreenOpaqueBlit)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);

void KeyedBlit30x30(benchmark::State& state)
{
    Scene scene(static_cast<int>(state.range(0)), 30, 30, true);
    for (auto _ : state)
        benchmark::DoNotOptimize(scene.bitmap->drawCell(385, 285, 0));
}
BENCHMARK(KeyedBlit30x30)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);

void BlendedCell200x36(benchmark::State& state)
{
    Scene scene(static_cast<int>(state.range(0)), 200, 36, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(scene.bitmap->drawCellBlended(300, 282, 0, 64));
}
BENCHMARK(BlendedCell200x36)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);

// One high-score row as the box draws it: its own bracket, font selected, text, font deleted.
void TextLineInItsOwnBracket(benchmark::State& state)
{
    HeadlessApp headless(static_cast<int>(state.range(0)));
    Application& game = headless.app();
    for (auto _ : state) {
        game.beginDraw();
        game.selectFont("Arial", 16, 0xFFFFFF);
        game.drawText(240, 170, 560, 190, 0, "Tom & Jerry");
        game.drawNumber(240, 170, 560, 190, 2, 1234567u);
        game.deleteFont();
        game.endDraw();
    }
}
BENCHMARK(TextLineInItsOwnBracket)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);

// The same row inside a bracket that stays open (fonts and glyphs already at hand).
void TextLineInOpenBracket(benchmark::State& state)
{
    HeadlessApp headless(static_cast<int>(state.range(0)));
    Application& game = headless.app();
    game.beginDraw();
    game.selectFont("Arial", 16, 0xFFFFFF);
    for (auto _ : state) {
        game.drawText(240, 170, 560, 190, 0, "Tom & Jerry");
        game.drawNumber(240, 170, 560, 190, 2, 1234567u);
    }
    game.deleteFont();
    game.endDraw();
}
BENCHMARK(TextLineInOpenBracket)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);

void SquareOutlineWidth2(benchmark::State& state)
{
    HeadlessApp headless(static_cast<int>(state.range(0)));
    Application& game = headless.app();
    for (auto _ : state) {
        game.beginDraw();
        game.selectPen(2, 0xFFFFFF);
        game.drawLine(220, 160, 400, 250);
        game.drawLine(400, 250, 310, 430);
        game.drawLine(310, 430, 130, 340);
        game.drawLine(130, 340, 220, 160);
        game.deletePen();
        game.endDraw();
    }
}
BENCHMARK(SquareOutlineWidth2)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);

}  // namespace

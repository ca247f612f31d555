// The cost of the board rules' heavy operations: a scan at rest, the hint search and a whole
// tick of play.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "support/TestBoard.h"
#include "game/Block.h"

namespace {

void fillOneColour(TestBoard& board)
{
    for (int i = 0; i < BoardRules::cellCount; ++i)
        board.rules.getCell(i)->setKind(5);
}

}  // namespace

// The scan that ends every turn: a field without a square.
static void BM_ScanBoardWithoutSquares(benchmark::State& state)
{
    TestBoard board;
    board.setKinds(TestBoard::quietRows);
    for (auto _ : state)
        benchmark::DoNotOptimize(board.rules.scanBoard());
}
BENCHMARK(BM_ScanBoardWithoutSquares);

// The worst scan: one colour everywhere, all 336 squares found, marked and recorded.
static void BM_ScanBoardOneColour(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto board = std::make_unique<TestBoard>();
        fillOneColour(*board);
        state.ResumeTiming();
        benchmark::DoNotOptimize(board->rules.scanBoard());
        state.PauseTiming();
        board.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ScanBoardOneColour);

// One press of the hint key on a freshly dealt field, then its release.
static void BM_FindHints(benchmark::State& state)
{
    TestBoard board(12345);
    for (auto _ : state) {
        board.rules.findHints();
        benchmark::DoNotOptimize(board.rules.getHintList().getCount());
        board.rules.clearHints();
    }
}
BENCHMARK(BM_FindHints);

static void BM_FindHintsOneColour(benchmark::State& state)
{
    TestBoard board;
    fillOneColour(board);
    for (auto _ : state) {
        board.rules.findHints();
        benchmark::DoNotOptimize(board.rules.getHintList().getCount());
        board.rules.clearHints();
    }
    state.counters["hints"] = [&] {
        board.rules.findHints();
        return board.rules.getHintList().getCount();
    }();
}
BENCHMARK(BM_FindHintsOneColour);

// A whole tick of a game in progress: the board step, the wild animation and the time unit,
// with a player clicking a random group at rest now and then.  A finished game is dealt anew.
static void BM_Tick(benchmark::State& state)
{
    std::mt19937 player(99);
    std::uint32_t seed = 1;
    auto board = std::make_unique<TestBoard>(seed);
    for (auto _ : state) {
        if (!board->rules.isGameRunning()) {
            state.PauseTiming();
            board = std::make_unique<TestBoard>(++seed);
            state.ResumeTiming();
        }
        if (board->rules.isIdle() && player() % 4 == 0)
            board->rules.makeMove(static_cast<int>(player() % 7), static_cast<int>(player() % 7), player() % 2 == 0);
        board->tick();
    }
}
BENCHMARK(BM_Tick);

// The level editor checks the level after every stroke: a full check of a level
// must stay within 1 ms. The worst case is a level whose every diamond is shut
// off by red walls, each named with its cell; the built-in levels are the usual case.
#include "levelcheck.h"
#include "levels.h"

#include <benchmark/benchmark.h>

namespace {
void BM_CheckBuiltinLevel(benchmark::State& state)
{
    const Picture level = builtinLevel(static_cast<int>(state.range(0))).value_or(Picture{});
    for (auto _ : state)
        benchmark::DoNotOptimize(checkLevel(level));
}

// A board of diamonds on every other cell, each walled in: a problem a diamond.
void BM_CheckWalledOffDiamonds(benchmark::State& state)
{
    Picture level(BoardColumns, BoardRows);
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardColumns; ++x)
            level.setPixel(x, y, colourForCell((x + y) % 2 ? Diamond : RedWall));
    level.setPixel(1, 0, colourForCell(Player));
    for (auto _ : state)
        benchmark::DoNotOptimize(checkLevel(level));
}
}  // namespace

BENCHMARK(BM_CheckBuiltinLevel)->DenseRange(1, BuiltinLevelCount, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckWalledOffDiamonds)->Unit(benchmark::kMicrosecond);

// The core's share of what the player waits for, without drawing: a level
// start, a save and a load through their progress callback, and reading a
// level picture file. bench/window_bench.cpp measures the same with the window.
#include "benchlevels.h"
#include "game.h"
#include "headlesshost.h"
#include "savedgameformat.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {
const std::string LevelsFolder = KERNMINE_SOURCE_DIR "/assets/levels";

// A game of built-in level 1 once what falls at its start has come to rest.
struct StartedGame {
    HeadlessHost host;
    Game game{host};
    StartedGame()
    {
        game.startlevel(1);
        for (int i = 0; i < SettlingTicks; ++i)
            game.Timer1Timer();
    }
};

SaveProgress progressInto(int& shown)
{
    return [&shown](int step) { benchmark::DoNotOptimize(shown = step); };
}

void BM_LevelStart(benchmark::State& state)
{
    StartedGame started;
    for (auto _ : state)
        started.game.startlevel(1);
}

void BM_SaveEncode(benchmark::State& state)
{
    StartedGame started;
    int shown = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeSavedGame(started.game, progressInto(shown)));
}

void BM_LoadDecodeAndStart(benchmark::State& state)
{
    StartedGame started;
    const std::vector<std::uint8_t> file = encodeSavedGame(started.game);
    int shown = 0;
    for (auto _ : state) {
        decodeSavedGame(file, started.game, progressInto(shown));
        started.game.resumelevel();
    }
}

void BM_ReadLevelPicture(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readLevelFile(LevelsFolder, 1));
}
}  // namespace

BENCHMARK(BM_LevelStart);
BENCHMARK(BM_SaveEncode);
BENCHMARK(BM_LoadDecodeAndStart);
BENCHMARK(BM_ReadLevelPicture);

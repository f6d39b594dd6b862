// The solver's speed: states searched per processor second on one core, on
// built-in levels it cannot finish within the budget of a run (so every run
// searches the same number of states) and on a level it wins, from the start to
// the win.
#include "levels.h"
#include "solver.h"

#include <benchmark/benchmark.h>

namespace {
// States searched per run: enough for the search to leave the level's start.
constexpr std::size_t StatesPerRun = 20'000;

void BM_SolverStates(benchmark::State& state)
{
    const Picture level = builtinLevel(static_cast<int>(state.range(0))).value_or(Picture{});
    SolveOptions options;
    options.seconds = 3600;
    options.maxStates = StatesPerRun;
    long states = 0;
    for (auto _ : state)
        states += solveLevel(level, options).reached.states;
    state.counters["states/s"] = benchmark::Counter(static_cast<double>(states), benchmark::Counter::kIsRate);
}
}  // namespace

// Level 4 needs bombs dropped into its vaults, level 5 creatures crushed: both
// keep the search busy; level 1 is won, in about 5,500 states.
BENCHMARK(BM_SolverStates)->ArgName("level")->Arg(1)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);

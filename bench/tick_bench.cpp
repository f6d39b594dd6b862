// The world tick on a busy board and on an idle one. Counts heap allocations per
// tick as well: a tick should make none.
#include "benchlevels.h"
#include "game.h"
#include "headlesshost.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

void runTicks(benchmark::State& state, const Picture& level)
{
    HeadlessHost host;
    host.level = level;
    Game game(host);
    game.internal = false;
    game.counters.lives = 1'000'000;
    game.startlevel(1);
    for (int i = 0; i < SettlingTicks; ++i)
        game.Timer1Timer();
    const long before = allocations;
    for (auto _ : state) {
        game.Timer1Timer();
        benchmark::ClobberMemory();
    }
    state.counters["allocs/tick"] =
        benchmark::Counter(static_cast<double>(allocations - before) / state.iterations());
}

void BM_TickBusy(benchmark::State& state) { runTicks(state, busyLevel()); }
void BM_TickIdle(benchmark::State& state) { runTicks(state, idleLevel()); }
}  // namespace

BENCHMARK(BM_TickBusy);
BENCHMARK(BM_TickIdle);

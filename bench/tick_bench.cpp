// The world tick on a busy board and on an idle one. Counts heap allocations per
// tick as well: a tick should make none.
#include "game.h"
#include "headlesshost.h"
#include "levels.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

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

Picture framedLevel(char fill, const std::string& pattern)
{
    std::vector<std::string> rows(BoardRows, std::string(BoardColumns, fill));
    for (int y = 0; y < BoardRows; ++y) {
        for (int x = 0; x < BoardColumns; ++x) {
            const bool edge = x == 0 || y == 0 || x == BoardColumns - 1 || y == BoardRows - 1;
            if (edge)
                rows[y][x] = symbolForCell(RedWall);
            else if (!pattern.empty())
                rows[y][x] = pattern[(x * 7 + y * 3) % pattern.size()];
        }
    }
    rows[1][1] = symbolForCell(Player);
    return pictureFromText(rows);
}

// Creatures that walk for ever among animated bombs and diamonds resting on walls.
Picture busyLevel()
{
    return framedLevel('.', "..y.o.b#*%.O#..y.*.#o..b%..");
}

void runTicks(benchmark::State& state, const Picture& level)
{
    HeadlessHost host;
    host.level = level;
    Game game(host);
    game.internal = false;
    game.counters.lives = 1'000'000;
    game.startlevel(1);
    for (int i = 0; i < 200; ++i)  // let whatever falls settle
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
void BM_TickIdle(benchmark::State& state) { runTicks(state, framedLevel(':', "")); }
}  // namespace

BENCHMARK(BM_TickBusy);
BENCHMARK(BM_TickIdle);

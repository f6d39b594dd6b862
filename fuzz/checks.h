// What the fuzz targets require of what they run. A breach aborts, so that
// libFuzzer keeps the input that caused it.
#pragma once

#include "game.h"

#include <cstdlib>

// The checks are not what is being fuzzed: libFuzzer need not trace their
// comparisons, which would otherwise cost more than the tick itself, nor need
// the sanitizers watch them read the planes, which are whole arrays.
#if defined(__clang__)
#define KERNMINE_UNTRACED __attribute__((no_sanitize("coverage", "address", "undefined")))
#else
#define KERNMINE_UNTRACED
#endif

inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Every cell holds a cell code, the counters match what stands on the board,
// and the player stands on it. It runs after every tick, so it counts in runs
// of 240 cells with byte counters, which the compiler makes vector code of.
KERNMINE_UNTRACED inline void checkWorld(const Game& game)
{
    constexpr int Run = 240;
    static_assert(BoardCells % Run == 0 && Run < 256);
    const std::uint8_t* cells = game.board.cells.bytes().data();
    int strange = 0, diamonds = 0, yellow = 0, olive = 0;
    for (int start = 0; start < BoardCells; start += Run) {
        std::uint8_t s = 0, d = 0, y = 0, o = 0;
        for (int i = start; i < start + Run; ++i) {
            s += cells[i] >= CellCodeCount;
            d += cells[i] == Diamond;
            y += cells[i] == YellowEnemy;
            o += cells[i] == OliveEnemy;
        }
        strange += s;
        diamonds += d;
        yellow += y;
        olive += o;
    }
    require(strange == 0);
    require(diamonds == game.counters.diamonds);
    require(yellow == game.counters.yellow);
    require(olive == game.counters.olive);
    require(Plane::inside(game.playerx, game.playery));
}

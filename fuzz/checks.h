// What the fuzz targets require of what they run. A breach aborts, so that
// libFuzzer keeps the input that caused it.
#pragma once

#include "game.h"

#include <array>
#include <cstdlib>

// The checks are not what is being fuzzed: libFuzzer need not trace their
// comparisons, which would otherwise cost more than the tick itself.
#if defined(__clang__)
#define KERNMINE_UNTRACED __attribute__((no_sanitize("coverage")))
#else
#define KERNMINE_UNTRACED
#endif

inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Every cell holds a cell code, the counters match what stands on the board,
// and the player stands on it.
KERNMINE_UNTRACED inline void checkWorld(const Game& game)
{
    std::array<int, 256> found{};
    for (const std::uint8_t code : game.board.cells.bytes())
        ++found[code];
    int codes = 0;
    for (int code = 0; code < CellCodeCount; ++code)
        codes += found[code];
    require(codes == BoardCells);
    require(found[Diamond] == game.counters.diamonds);
    require(found[YellowEnemy] == game.counters.yellow);
    require(found[OliveEnemy] == game.counters.olive);
    require(Plane::inside(game.playerx, game.playery));
}

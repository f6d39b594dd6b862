// The solver's record of a game between two ticks: everything the rules read
// from then on, packed small enough to keep a million of them, and restored
// into a game that plays on exactly as the recorded one would have.
#pragma once

#include "game.h"

#include <array>
#include <cstdint>
#include <vector>

// What of a game the rules still read: the cells, the motion of whatever moves
// (what an empty cell's motion holds is never read before something arriving
// overwrites it), both explosion request planes, the counters, the player's cell
// and which request plane is current. Animation frames only change pictures, and
// lives end nothing within a level, so neither is kept.
class StateCodec {
public:
    static constexpr int HeaderBytes = 12;
    static constexpr int Bytes = HeaderBytes + 4 * BoardCells;
    using Flat = std::array<std::uint8_t, Bytes>;

    // States are packed as their difference from this one, the level's start.
    explicit StateCodec(const Game& start);

    // The packed state: equal games pack to equal bytes, and only they.
    std::vector<std::uint8_t> pack(const Game& game) const;
    // Puts the packed state into a game that is playing the same level.
    void unpack(const std::uint8_t* packed, std::size_t size, Game& game) const;

private:
    static void flatten(const Game& game, Flat& flat);

    Flat start_{};
};

// A hash of packed bytes, for the table of states already seen.
std::uint64_t packedHash(const std::uint8_t* bytes, std::size_t size);

// The board: six byte planes of 60 columns by 40 rows, stored column by column.
#pragma once

#include "cells.h"

#include <array>
#include <cstring>
#include <cstdint>

// One plane of the board. Cells outside the 60 x 40 board read as the plane's
// outside value and writes to them are dropped, so levels without a wall ring
// can never make the world touch memory beyond the planes.
class Plane {
public:
    explicit constexpr Plane(std::uint8_t outside = 0) : outside_(outside) {}

    static constexpr bool inside(int x, int y)
    {
        return static_cast<unsigned>(x) < BoardColumns && static_cast<unsigned>(y) < BoardRows;
    }
    static constexpr int index(int x, int y) { return x * BoardRows + y; }

    std::uint8_t operator()(int x, int y) const { return inside(x, y) ? v_[index(x, y)] : outside_; }
    void set(int x, int y, std::uint8_t value)
    {
        if (inside(x, y))
            v_[index(x, y)] = value;
    }
    void fill(std::uint8_t value) { v_.fill(value); }
    // The index of the first cell from `from` on, in scan order, that holds value;
    // BoardCells when there is none. The world's scans skip ahead with it.
    int find(std::uint8_t value, int from) const
    {
        const void* at = std::memchr(v_.data() + from, value, BoardCells - from);
        return at ? static_cast<int>(static_cast<const std::uint8_t*>(at) - v_.data()) : BoardCells;
    }

    std::array<std::uint8_t, BoardCells>& bytes() { return v_; }
    const std::array<std::uint8_t, BoardCells>& bytes() const { return v_; }

private:
    std::array<std::uint8_t, BoardCells> v_{};
    std::uint8_t outside_;
};

// The motion of a stone, bomb or diamond: 1 from the tick it moves until it comes
// to rest. Creatures keep their heading there instead.
constexpr std::uint8_t AtRest = 0;
constexpr std::uint8_t Falling = 1;
// What a request plane holds where an explosion is due.
constexpr std::uint8_t BlastRequested = 1;

struct Board {
    Plane cells{RedWall};          // what occupies each cell; beyond the edge stands red wall
    Plane motion;                  // falling flag of stones, bombs, diamonds; heading of creatures
    Plane moved;                   // what moved into the cell during the current world pass
    Plane blast_a;                 // explosion requests, current while blast_phase is true
    Plane blast_b;                 // explosion requests, current while blast_phase is false
    Plane blast_frame{IdleBlastFrame};  // explosion animation frame, 6 when idle
};

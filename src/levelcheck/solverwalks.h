// The solver's long moves: the player walks to a chosen cell, a key a tick, the
// world ticking on between the steps as it would under a player's hands.
#pragma once

#include "game.h"
#include "tape.h"

#include <array>
#include <cstdint>
#include <vector>

// Steps from one cell over what the player can walk through.
class WalkDistances {
public:
    static constexpr int Unreached = 1 << 20;
    // What a purple wall in the way counts, in steps: it takes a bomb to go through.
    static constexpr int ThroughWall = 12;

    // Distances from (x, y); the walk may end on a cell holding one of `ends`
    // without going through it.
    void measureFrom(const Board& board, int x, int y, bool (*ends)(std::uint8_t code));

    // Steps as above, but walls a blast can open may be gone through at a cost:
    // how far the player is from the nearest of `ends` once the way is blasted.
    int nearestThroughWalls(const Board& board, int x, int y, bool (*ends)(std::uint8_t code));

    int at(int x, int y) const { return Plane::inside(x, y) ? steps_[Plane::index(x, y)] : Unreached; }
    // The nearest cells that hold one of `ends`, nearest first (in scan order among
    // equals), at most `most` of them.
    std::vector<int> nearest(const Board& board, bool (*ends)(std::uint8_t code), std::size_t most) const;

private:
    std::array<int, BoardCells> steps_{};
    std::array<int, BoardCells> queue_{};
    std::array<std::vector<int>, ThroughWall + 1> buckets_;
};

// Whether the player walks onto the cell and takes what is in it.
bool isWalkable(std::uint8_t code);
// Diamonds and creatures: what the level's end asks to be gone.
bool isQuarry(std::uint8_t code);
// What a walk goes to fetch: diamonds and bomb crates.
bool isPickup(std::uint8_t code);

// The key pressed, then no key until nothing falls and no blast is due, as a
// player waits for a dropped bomb to go off. False when the player dies.
bool pressAndSettle(Game& game, const TapeKey& key, std::vector<TapeKey>& keys);

// The player climbs two cells and drops a bomb into the cell left below, where
// it lands and goes off: a blast where the player stood, and the player out of
// its reach. False when the player cannot climb or dies.
bool dropBombBehind(Game& game, std::vector<TapeKey>& keys);

// The player leaves a bomb on that side, steps back from it and waits for a
// creature to walk into it. False unless a creature is gone and the player lives.
bool bombAndWait(Game& game, Direction side, std::vector<TapeKey>& keys);

// The player walks to the cell with this index, re-planning when the world blocks
// the way. Appends the keys pressed; false when the player dies on the way or
// cannot make a single step.
bool walkTo(Game& game, int goal, std::vector<TapeKey>& keys, WalkDistances& scratch);

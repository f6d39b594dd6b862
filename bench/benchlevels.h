// The boards the benchmarks play: framed 60 x 40 levels written as text.
#pragma once

#include "cells.h"
#include "levels.h"

#include <string>
#include <vector>

// A red wall ring filled with `fill`, or with `pattern` laid diagonally across
// the board, and the player in the top-left corner.
inline Picture framedLevel(char fill, const std::string& pattern)
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
inline Picture busyLevel()
{
    return framedLevel('.', "..y.o.b#*%.O#..y.*.#o..b%..");
}

// Earth everywhere but for the player: nothing moves or animates.
inline Picture idleLevel()
{
    return framedLevel(':', "");
}

// Ticks enough for whatever falls at the start to come to rest.
constexpr int SettlingTicks = 200;

// The level checker: what is wrong with a level picture, in plain words of both
// languages and with the cells where it is, for people who make levels.
#pragma once

#include "cells.h"
#include "messages.h"
#include "picture.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct BoardCell {
    int x, y;
    friend bool operator==(BoardCell, BoardCell) = default;
};

struct LevelProblem {
    MessageText text;
    std::vector<BoardCell> cells;  // where it is; none for the level as a whole
};

struct LevelCheck {
    std::vector<LevelProblem> problems;
    using Counts = std::array<int, CellCodeCount>;
    Counts counts{};  // cells of each kind, by cell code

    bool valid() const { return problems.empty(); }
};

LevelCheck checkLevel(const Picture& level);
// What is lost when the picture is read as a board, as the first of the
// checker's problems: its size when it is not the board's, and each pixel of
// no level colour (its cell is read empty).
std::vector<LevelProblem> readingProblems(const Picture& level);

// "earth", "yellow creature", ...: what a cell holds, in plain words.
const MessageText& cellKindName(std::uint8_t code);

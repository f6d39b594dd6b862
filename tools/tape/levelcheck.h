// The level checker: what is wrong with a level picture, in plain words and
// with the cell where it is, for people who make levels.
#pragma once

#include "cells.h"
#include "picture.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct LevelCheck {
    std::vector<std::string> problems;
    using Counts = std::array<int, CellCodeCount>;
    Counts counts{};  // cells of each kind, by cell code

    bool valid() const { return problems.empty(); }
};

LevelCheck checkLevel(const Picture& level);

// "earth", "yellow creature", ...: what a cell holds, in plain words.
std::string cellKindName(std::uint8_t code);

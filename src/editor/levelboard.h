// The board being edited: one cell code a cell, and the shapes the editor's
// tools paint on it. Plain C++, so that the tools are tested without a window.
#pragma once

#include "cells.h"
#include "levelcheck.h"
#include "picture.h"

#include <array>
#include <cstdint>
#include <vector>

class LevelBoard {
public:
    // A new level: the red frame, earth inside, the player in the top-left corner.
    LevelBoard();
    // The board a level picture makes, read as the level start reads it: cells
    // outside the picture, or of no level colour, are empty.
    static LevelBoard fromPicture(const Picture& level);
    // The level picture of the board, one pixel a cell in its level colour.
    Picture toPicture() const;

    // The earth inside the frame, in percent of the cells inside it.
    int innerEarthPercent() const;

    static bool contains(BoardCell c) { return c.x >= 0 && c.y >= 0 && c.x < BoardColumns && c.y < BoardRows; }
    std::uint8_t at(BoardCell c) const { return cells_[index(c)]; }
    void set(BoardCell c, std::uint8_t code) { cells_[index(c)] = code; }

    friend bool operator==(const LevelBoard&, const LevelBoard&) = default;

private:
    static std::size_t index(BoardCell c) { return static_cast<std::size_t>(c.y) * BoardColumns + c.x; }
    std::array<std::uint8_t, BoardCells> cells_{};
};

// The cells of a straight line from a to b, both ends included, each next to
// the one before (sideways or corner to corner), so a dragged pencil leaves no gap.
std::vector<BoardCell> lineCells(BoardCell a, BoardCell b);
// The cells of the rectangle with corners a and b: its outline, or all of it.
std::vector<BoardCell> rectangleCells(BoardCell a, BoardCell b, bool filled);
// The cells of the same kind as `start` joined to it side by side.
std::vector<BoardCell> fillCells(const LevelBoard& board, BoardCell start);

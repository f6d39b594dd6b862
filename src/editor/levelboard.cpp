#include "levelboard.h"

#include "levels.h"

#include <algorithm>
#include <cstdlib>

namespace {
// The player of a new level stands inside the frame's top-left corner.
constexpr BoardCell NewLevelPlayer{1, 1};

bool onFrame(BoardCell c)
{
    return c.x == 0 || c.y == 0 || c.x == BoardColumns - 1 || c.y == BoardRows - 1;
}
}  // namespace

LevelBoard::LevelBoard()
{
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardColumns; ++x)
            set({x, y}, onFrame({x, y}) ? RedWall : Earth);
    set(NewLevelPlayer, Player);
}

LevelBoard LevelBoard::fromPicture(const Picture& level)
{
    LevelBoard board;
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardColumns; ++x)
            board.set({x, y}, level.contains(x, y) ? cellForColour(level.pixel(x, y)).value_or(Empty)
                                                   : std::uint8_t{Empty});
    return board;
}

Picture LevelBoard::toPicture() const
{
    Picture level(BoardColumns, BoardRows);
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardColumns; ++x)
            level.setPixel(x, y, colourForCell(at({x, y})));
    return level;
}

int LevelBoard::innerEarthPercent() const
{
    constexpr int Percent = 100;
    constexpr int InnerCells = (BoardColumns - 2) * (BoardRows - 2);
    int earth = 0;
    for (int y = 1; y < BoardRows - 1; ++y)
        for (int x = 1; x < BoardColumns - 1; ++x)
            earth += at({x, y}) == Earth;
    return earth * Percent / InnerCells;
}

std::vector<BoardCell> lineCells(BoardCell a, BoardCell b)
{
    // Bresenham's line: each step moves along the longer axis, and along the
    // shorter one whenever the error has grown past half a cell.
    std::vector<BoardCell> cells;
    const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int error = dx + dy;
    for (BoardCell c = a;; ) {
        cells.push_back(c);
        if (c == b)
            return cells;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            c.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            c.y += sy;
        }
    }
}

std::vector<BoardCell> rectangleCells(BoardCell a, BoardCell b, bool filled)
{
    const int left = std::min(a.x, b.x), right = std::max(a.x, b.x);
    const int top = std::min(a.y, b.y), bottom = std::max(a.y, b.y);
    std::vector<BoardCell> cells;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (filled || x == left || x == right || y == top || y == bottom)
                cells.push_back({x, y});
    return cells;
}

std::vector<BoardCell> fillCells(const LevelBoard& board, BoardCell start)
{
    const std::uint8_t kind = board.at(start);
    std::vector<bool> reached(BoardCells);
    const auto mark = [&](BoardCell c) {
        const auto i = static_cast<std::size_t>(c.y) * BoardColumns + c.x;
        if (!LevelBoard::contains(c) || reached[i] || board.at(c) != kind)
            return false;
        reached[i] = true;
        return true;
    };
    std::vector<BoardCell> cells;
    std::vector<BoardCell> todo{start};
    mark(start);
    while (!todo.empty()) {
        const BoardCell c = todo.back();
        todo.pop_back();
        cells.push_back(c);
        for (const BoardCell next : {BoardCell{c.x + 1, c.y}, BoardCell{c.x - 1, c.y}, BoardCell{c.x, c.y + 1},
                                     BoardCell{c.x, c.y - 1}})
            if (mark(next))
                todo.push_back(next);
    }
    return cells;
}

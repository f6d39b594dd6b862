#include "levelcheck.h"

#include "levels.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace {
constexpr std::array<std::string_view, CellCodeCount> kindNames{
    "empty", "player", "earth", "yellow creature", "olive creature", "stone",
    "bomb", "diamond", "red wall", "purple wall", "bomb crate", "extra life",
};
// A long run of open frame cells is named by its first few.
constexpr std::size_t MostPositionsListed = 10;

struct Cell {
    int x, y;
};
using Cells = std::array<std::uint8_t, BoardCells>;

std::size_t index(int x, int y)
{
    return static_cast<std::size_t>(y) * BoardColumns + x;
}

std::string position(Cell c)
{
    std::string text = "(";
    text += std::to_string(c.x) + ", " + std::to_string(c.y) + ")";
    return text;
}

std::string colour(Rgb c)
{
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

std::string positions(const std::vector<Cell>& cells)
{
    std::string text;
    for (std::size_t i = 0; i < cells.size() && i < MostPositionsListed; ++i)
        text += (i ? ", " : "") + position(cells[i]);
    if (cells.size() > MostPositionsListed)
        text += " and " + std::to_string(cells.size() - MostPositionsListed) + " more";
    return text;
}

int distance(Rgb a, Rgb b)
{
    const auto square = [](int d) { return d * d; };
    return square(a.r - b.r) + square(a.g - b.g) + square(a.b - b.b);
}

std::uint8_t nearestCell(Rgb c)
{
    std::uint8_t nearest = 0;
    for (std::uint8_t code = 1; code < CellCodeCount; ++code)
        if (distance(c, colourForCell(code)) < distance(c, colourForCell(nearest)))
            nearest = code;
    return nearest;
}

// Reads the board as the level start does: pixels outside the picture, and
// pixels of no level colour, leave their cells empty.
Cells readBoard(const Picture& level, LevelCheck& check)
{
    Cells cells{};
    for (int y = 0; y < BoardRows; ++y) {
        for (int x = 0; x < BoardColumns; ++x) {
            if (!level.contains(x, y))
                continue;
            const Rgb found = level.pixel(x, y);
            if (const std::optional<std::uint8_t> code = cellForColour(found)) {
                cells[index(x, y)] = *code;
                continue;
            }
            const std::uint8_t near = nearestCell(found);
            check.problems.push_back(position({x, y}) + " is " + colour(found) + ", close to " +
                                     cellKindName(near) + " " + colour(colourForCell(near)));
        }
    }
    return cells;
}

std::vector<Cell> cellsHolding(const Cells& cells, std::uint8_t code)
{
    std::vector<Cell> found;
    for (int x = 0; x < BoardColumns; ++x)
        for (int y = 0; y < BoardRows; ++y)
            if (cells[index(x, y)] == code)
                found.push_back({x, y});
    return found;
}

std::vector<Cell> openFrameCells(const Cells& cells)
{
    std::vector<Cell> open;
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardColumns; ++x) {
            const bool edge = x == 0 || y == 0 || x == BoardColumns - 1 || y == BoardRows - 1;
            if (edge && cells[index(x, y)] != RedWall)
                open.push_back({x, y});
        }
    return open;
}

// Red walls are the one thing nothing destroys: the cells the player can ever
// reach, dig or blast a way to are those joined to it around them.
std::vector<bool> reachableFrom(const Cells& cells, Cell start)
{
    std::vector<bool> reached(BoardCells);
    std::vector<Cell> todo{start};
    reached[index(start.x, start.y)] = true;
    while (!todo.empty()) {
        const Cell c = todo.back();
        todo.pop_back();
        for (const Cell step : {Cell{1, 0}, Cell{-1, 0}, Cell{0, 1}, Cell{0, -1}}) {
            const Cell next{c.x + step.x, c.y + step.y};
            if (next.x < 0 || next.y < 0 || next.x >= BoardColumns || next.y >= BoardRows)
                continue;
            const std::size_t i = index(next.x, next.y);
            if (reached[i] || cells[i] == RedWall)
                continue;
            reached[i] = true;
            todo.push_back(next);
        }
    }
    return reached;
}
}  // namespace

std::string cellKindName(std::uint8_t code)
{
    return code < kindNames.size() ? std::string(kindNames[code]) : "unknown";
}

LevelCheck checkLevel(const Picture& level)
{
    LevelCheck check;
    if (level.width != BoardColumns || level.height != BoardRows)
        check.problems.push_back("the picture is " + std::to_string(level.width) + " × " +
                                 std::to_string(level.height) + " pixels, not " + std::to_string(BoardColumns) +
                                 " × " + std::to_string(BoardRows));
    const Cells cells = readBoard(level, check);
    for (const std::uint8_t code : cells)
        ++check.counts[code];

    const std::vector<Cell> players = cellsHolding(cells, Player);
    if (players.empty())
        check.problems.push_back("no player: no pixel is " + colour(colourForCell(Player)));
    else if (players.size() > 1)
        check.problems.push_back(std::to_string(players.size()) + " players, at " + positions(players) +
                                 "; a level has one");

    const std::vector<Cell> open = openFrameCells(cells);
    if (!open.empty())
        check.problems.push_back("the frame of red walls is open at " + positions(open));

    if (check.counts[Diamond] + check.counts[YellowEnemy] + check.counts[OliveEnemy] == 0)
        check.problems.push_back("nothing to win: no diamond and no creature");

    if (!players.empty()) {
        // The game plays the player found last, as its level start does.
        const std::vector<bool> reached = reachableFrom(cells, players.back());
        for (const Cell d : cellsHolding(cells, Diamond))
            if (!reached[index(d.x, d.y)])
                check.problems.push_back("the diamond at " + position(d) +
                                         " can never be taken: red walls shut it off from the player");
    }
    return check;
}

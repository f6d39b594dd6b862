#include "levelcheck.h"

#include "levels.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace {
const std::array<MessageText, CellCodeCount> kindNames{{
    {"empty", "пусто"},
    {"player", "игрок"},
    {"earth", "земля"},
    {"yellow creature", "жёлтое существо"},
    {"olive creature", "оливковое существо"},
    {"stone", "камень"},
    {"bomb", "бомба"},
    {"diamond", "алмаз"},
    {"red wall", "красная стена"},
    {"purple wall", "фиолетовая стена"},
    {"bomb crate", "ящик с бомбами"},
    {"extra life", "дополнительная жизнь"},
}};
const MessageText unknownKind{"unknown", "неизвестно"};
// A long run of open frame cells is named by its first few.
constexpr std::size_t MostPositionsListed = 10;

using Cell = BoardCell;
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

MessageText positions(const std::vector<Cell>& cells)
{
    std::string text;
    for (std::size_t i = 0; i < cells.size() && i < MostPositionsListed; ++i)
        text += (i ? ", " : "") + position(cells[i]);
    if (cells.size() <= MostPositionsListed)
        return {text, text};
    const std::string more = std::to_string(cells.size() - MostPositionsListed);
    return {text + " and " + more + " more", text + " и ещё " + more};
}

void report(LevelCheck& check, MessageText text, std::vector<Cell> cells = {})
{
    check.problems.push_back({std::move(text), std::move(cells)});
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
// pixels of no level colour, leave their cells empty; each such pixel is a problem.
Cells readBoard(const Picture& level, std::vector<LevelProblem>* lost)
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
            const std::string at = position({x, y}) + " ";
            const std::string nearest = " " + colour(colourForCell(near));
            if (lost)
                lost->push_back({{at + "is " + colour(found) + ", close to " + cellKindName(near).english + nearest,
                                  at + "имеет цвет " + colour(found) + ", близкий к цвету «" +
                                      cellKindName(near).russian + "»" + nearest},
                                 {{x, y}}});
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

// Where the player will most likely stand while there is none: the largest
// area that red walls enclose.
Cell largestOpenArea(const Cells& cells)
{
    std::vector<bool> seen(BoardCells);
    Cell largest{-1, -1};
    long largestSize = 0;
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardColumns; ++x) {
            if (seen[index(x, y)] || cells[index(x, y)] == RedWall)
                continue;
            const std::vector<bool> area = reachableFrom(cells, {x, y});
            const long size = std::count(area.begin(), area.end(), true);
            for (std::size_t i = 0; i < area.size(); ++i)
                seen[i] = seen[i] || area[i];
            if (size > largestSize) {
                largestSize = size;
                largest = {x, y};
            }
        }
    return largest;
}
}  // namespace

const MessageText& cellKindName(std::uint8_t code)
{
    return code < kindNames.size() ? kindNames[code] : unknownKind;
}

std::vector<LevelProblem> readingProblems(const Picture& level)
{
    std::vector<LevelProblem> lost;
    if (level.width != BoardColumns || level.height != BoardRows) {
        const std::string found = std::to_string(level.width) + " × " + std::to_string(level.height);
        const std::string wanted = std::to_string(BoardColumns) + " × " + std::to_string(BoardRows);
        lost.push_back({{"the picture is " + found + " pixels, not " + wanted,
                         "картинка размером " + found + " пикселей, а не " + wanted},
                        {}});
    }
    readBoard(level, &lost);
    return lost;
}

LevelCheck checkLevel(const Picture& level)
{
    LevelCheck check;
    check.problems = readingProblems(level);
    const Cells cells = readBoard(level, nullptr);
    for (const std::uint8_t code : cells)
        ++check.counts[code];

    const std::vector<Cell> players = cellsHolding(cells, Player);
    if (players.empty()) {
        const std::string green = colour(colourForCell(Player));
        report(check, {"no player: no cell is a player (" + green + " in the picture)",
                       "нет игрока: ни одной клетки «игрок» (" + green + " в картинке)"});
    } else if (players.size() > 1) {
        const std::string count = std::to_string(players.size());
        const MessageText where = positions(players);
        report(check,
               {count + " players, at " + where.english + "; a level has one",
                "игроков " + count + ", в " + where.russian + "; на уровне он один"},
               players);
    }

    const std::vector<Cell> open = openFrameCells(cells);
    if (!open.empty()) {
        const MessageText where = positions(open);
        report(check,
               {"the frame of red walls is open at " + where.english,
                "в рамке из красных стен брешь в " + where.russian},
               open);
    }

    if (check.counts[Diamond] + check.counts[YellowEnemy] + check.counts[OliveEnemy] == 0)
        report(check, {"nothing to win: no diamond and no creature", "нечего побеждать: ни алмаза, ни существа"});

    // The game plays the player found last, as its level start does.
    const Cell start = players.empty() ? largestOpenArea(cells) : players.back();
    if (start.x < 0)
        return check;
    const std::vector<bool> reached = reachableFrom(cells, start);
    for (const Cell d : cellsHolding(cells, Diamond)) {
        if (reached[index(d.x, d.y)])
            continue;
        if (players.empty())
            report(check,
                   {"the diamond at " + position(d) + " is shut off by red walls from most of the board",
                    "алмаз в " + position(d) + " отделён красными стенами от большей части поля"},
                   {d});
        else
            report(check,
                   {"the diamond at " + position(d) + " can never be taken: red walls shut it off from the player",
                    "алмаз в " + position(d) + " не взять никогда: красные стены отделяют его от игрока"},
                   {d});
    }
    return check;
}

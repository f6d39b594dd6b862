#include "levels.h"

#include "bmp.h"
#include "cells.h"
#include "decimal.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>

// The level pictures compiled into the game (generated from assets/levels).
std::span<const unsigned char> builtinLevelFile(std::string_view fileName);

namespace {
// Indexed by cell code.
constexpr std::array<Rgb, CellCodeCount> levelColours{{
    {0, 0, 0},        // Empty: black
    {0, 255, 0},      // Player: lime
    {128, 0, 0},      // Earth: maroon
    {255, 255, 0},    // YellowEnemy: yellow
    {128, 128, 0},    // OliveEnemy: olive
    {128, 128, 128},  // Stone: gray
    {0, 128, 128},    // Bomb: teal
    {0, 0, 255},      // Diamond: blue
    {255, 0, 0},      // RedWall: red
    {255, 0, 255},    // PurpleWall: fuchsia
    {192, 192, 192},  // BombCrate: silver
    {255, 255, 255},  // ExtraLife: white
}};

constexpr std::string_view symbols = ".@:yoOb*#%B+";

constexpr std::string_view LevelFilePrefix = "level";
constexpr std::string_view LevelFileSuffix = ".bmp";
constexpr std::size_t MaxLevelNumberDigits = 9;
}  // namespace

std::optional<std::uint8_t> cellForColour(Rgb colour)
{
    for (std::size_t code = 0; code < levelColours.size(); ++code)
        if (levelColours[code] == colour)
            return static_cast<std::uint8_t>(code);
    return std::nullopt;
}

Rgb colourForCell(int code)
{
    return code >= 0 && code < CellCodeCount ? levelColours[code] : Rgb{};
}

std::optional<std::uint8_t> cellForSymbol(char symbol)
{
    if (symbol == ' ')
        return Empty;
    const auto at = symbols.find(symbol);
    if (at == std::string_view::npos)
        return std::nullopt;
    return static_cast<std::uint8_t>(at);
}

char symbolForCell(std::uint8_t code)
{
    return code < symbols.size() ? symbols[code] : '?';
}

Picture pictureFromText(const std::vector<std::string>& rows)
{
    std::size_t width = 0;
    for (const std::string& row : rows)
        width = std::max(width, row.size());
    Picture picture(static_cast<int>(width), static_cast<int>(rows.size()));
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            picture.setPixel(static_cast<int>(x), static_cast<int>(y),
                             colourForCell(cellForSymbol(rows[y][x]).value_or(Empty)));
    return picture;
}

bool holdsPlayer(const Picture& level)
{
    for (int x = 0; x < BoardColumns; ++x)
        for (int y = 0; y < BoardRows; ++y)
            if (level.contains(x, y) && cellForColour(level.pixel(x, y)) == Player)
                return true;
    return false;
}

std::optional<Picture> builtinLevel(int n)
{
    if (n < 1 || n > BuiltinLevelCount)
        return std::nullopt;
    const auto file = builtinLevelFile(levelFileName(n));
    if (file.empty())
        return std::nullopt;
    return readBmp(file);
}

std::string levelFileName(int n)
{
    return std::string(LevelFilePrefix) + std::to_string(n) + std::string(LevelFileSuffix);
}

std::optional<int> levelFileNumber(std::string_view fileName)
{
    if (!fileName.starts_with(LevelFilePrefix) || !fileName.ends_with(LevelFileSuffix) ||
        fileName.size() < LevelFilePrefix.size() + LevelFileSuffix.size())
        return std::nullopt;
    fileName.remove_prefix(LevelFilePrefix.size());
    fileName.remove_suffix(LevelFileSuffix.size());
    return parseDigits(fileName, MaxLevelNumberDigits);
}

std::string levelFilePath(const std::string& levelsFolder, int n)
{
    return levelsFolder + "/" + levelFileName(n);
}

bool levelFileExists(const std::string& levelsFolder, int n)
{
    std::error_code ignored;
    return std::filesystem::is_regular_file(levelFilePath(levelsFolder, n), ignored);
}

std::optional<Picture> readLevelFile(const std::string& levelsFolder, int n)
{
    return readBmpFile(levelFilePath(levelsFolder, n));
}

// Level pictures: the twelve level colours, the built-in levels and the external
// level files beside the game.
#pragma once

#include "picture.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

constexpr int BuiltinLevelCount = 30;
// The most external levels the game looks for; a folder holds far fewer.
constexpr int MaxExternalLevels = 100000;

// The cell code a level colour stands for, or nothing for any other colour.
std::optional<std::uint8_t> cellForColour(Rgb colour);
// The level colour of a cell code; codes above 11 give black.
Rgb colourForCell(int code);

// Whether a level picture places the player anywhere on the board.
bool holdsPlayer(const Picture& level);

// Built-in level picture n (1 to 30), or nothing outside that range.
std::optional<Picture> builtinLevel(int n);

// "level<n>.bmp", the name of level picture n, built in or beside the game.
std::string levelFileName(int n);
// n of a file named "level<n>.bmp" (up to nine digits), or nothing for any other name.
std::optional<int> levelFileNumber(std::string_view fileName);
// "<folder>/level<n>.bmp"
std::string levelFilePath(const std::string& levelsFolder, int n);
bool levelFileExists(const std::string& levelsFolder, int n);
std::optional<Picture> readLevelFile(const std::string& levelsFolder, int n);

// Levels written as text, one character a cell:
//   ' ' or '.' Empty   '@' Player   ':' Earth   'y' YellowEnemy   'o' OliveEnemy
//   'O' Stone   'b' Bomb   '*' Diamond   '#' RedWall   '%' PurpleWall
//   'B' BombCrate   '+' ExtraLife
std::optional<std::uint8_t> cellForSymbol(char symbol);
char symbolForCell(std::uint8_t code);
// The level picture of a level written as text, row by row from the top: as wide
// as the longest row; unknown symbols and the cells past a short row's end are Empty.
Picture pictureFromText(const std::vector<std::string>& rows);

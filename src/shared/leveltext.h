// Levels written as text: 40 lines of 60 symbols, one a cell (the symbols are
// those of cellForSymbol), turned into the 4-bit level pictures the game embeds.
#pragma once

#include "picture.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The largest level text read, far above 40 lines of 60 symbols.
constexpr std::size_t MaxLevelTextBytes = 1024 * 1024;

// The cell codes of a level text, row by row from the top, or nothing (with the
// reason in *error) when it is not 40 lines of 60 known symbols. The last line
// may end in a newline; a carriage return ending a line is ignored.
std::optional<std::vector<std::uint8_t>> parseLevelText(const std::string& text, std::string* error = nullptr);

// The sixteen colours of a level file: the twelve level colours in cell-code
// order, then black.
std::vector<Rgb> levelPalette();

// The level file of a text, or nothing (with the reason in *error).
std::optional<std::vector<std::uint8_t>> levelBmpFromText(const std::string& text, std::string* error = nullptr);

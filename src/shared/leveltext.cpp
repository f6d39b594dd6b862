// Turning level texts into level pictures.
#include "leveltext.h"

#include "bmp.h"
#include "cells.h"
#include "levels.h"

namespace {
constexpr int LevelPaletteSize = 16;  // the colours of a 4-bit picture

void fail(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The lines of a level text, or nothing (with the reason in *error) when they are
// not 40 lines of 60 known symbols.
std::optional<std::vector<std::string>> levelLines(const std::string& text, std::string* error)
{
    std::vector<std::string> lines = linesOf(text);
    if (lines.size() != BoardRows) {
        fail(error, std::to_string(lines.size()) + " lines, not " + std::to_string(BoardRows));
        return std::nullopt;
    }
    for (int y = 0; y < BoardRows; ++y) {
        const std::string& line = lines[y];
        if (line.size() != BoardColumns) {
            fail(error, "line " + std::to_string(y + 1) + " has " + std::to_string(line.size()) +
                            " symbols, not " + std::to_string(BoardColumns));
            return std::nullopt;
        }
        for (int x = 0; x < BoardColumns; ++x) {
            if (!cellForSymbol(line[x])) {
                fail(error, "line " + std::to_string(y + 1) + ", column " + std::to_string(x + 1) +
                                ": unknown symbol '" + line[x] + "'");
                return std::nullopt;
            }
        }
    }
    return lines;
}
}  // namespace

std::optional<std::vector<std::uint8_t>> parseLevelText(const std::string& text, std::string* error)
{
    const auto lines = levelLines(text, error);
    if (!lines)
        return std::nullopt;
    std::vector<std::uint8_t> cells;
    cells.reserve(BoardCells);
    for (const std::string& line : *lines)
        for (const char symbol : line)
            cells.push_back(*cellForSymbol(symbol));
    return cells;
}

std::vector<Rgb> levelPalette()
{
    std::vector<Rgb> palette;
    for (int code = 0; code < LevelPaletteSize; ++code)
        palette.push_back(colourForCell(code));
    return palette;
}

std::optional<std::vector<std::uint8_t>> levelBmpFromText(const std::string& text, std::string* error)
{
    const auto lines = levelLines(text, error);
    if (!lines)
        return std::nullopt;
    return writeBmp4(pictureFromText(*lines), levelPalette());
}

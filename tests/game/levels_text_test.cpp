// The built-in levels as written in assets/levels: every checked-in picture is
// exactly what kernmine-levels makes of its text (tests/levels holds the levels
// themselves to the level checker).
#include "leveltext.h"

#include "bmp.h"
#include "cells.h"
#include "files.h"
#include "levels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {
std::string levelPath(int n, const char* extension)
{
    return std::string(KERNMINE_SOURCE_DIR) + "/assets/levels/level" + std::to_string(n) + extension;
}

std::string readText(const std::string& path)
{
    const std::vector<std::uint8_t> bytes = readWholeFile(path, MaxLevelTextBytes).value_or(std::vector<std::uint8_t>{});
    return {bytes.begin(), bytes.end()};
}

// A well-formed board: red frame, the player in the top-left corner, one diamond.
std::string smallLevelText()
{
    std::string text;
    for (int y = 0; y < BoardRows; ++y) {
        std::string line(BoardColumns, '.');
        if (y == 0 || y == BoardRows - 1)
            line.assign(BoardColumns, '#');
        line.front() = line.back() = '#';
        if (y == 1)
            line[1] = '@';
        if (y == 2)
            line[2] = '*';
        text += line + '\n';
    }
    return text;
}

// The palette index of cell (x, y) in a 4-bit bottom-up level file.
int paletteIndexAt(const std::vector<std::uint8_t>& bmp, int x, int y)
{
    const std::size_t pixelsStart = 14 + 40 + 4 * 16;
    const std::size_t rowBytes = 32;  // 60 pixels of 4 bits, padded to 4 bytes
    const std::uint8_t byte = bmp[pixelsStart + (BoardRows - 1 - y) * rowBytes + x / 2];
    return x % 2 == 0 ? byte >> 4 : byte & 0x0f;
}
}  // namespace

TEST(LevelText, PaletteHoldsTheTwelveLevelColoursThenBlack)
{
    const std::vector<Rgb> expected = {
        {0, 0, 0},       {0, 255, 0},     {128, 0, 0},   {255, 255, 0},
        {128, 128, 0},   {128, 128, 128}, {0, 128, 128}, {0, 0, 255},
        {255, 0, 0},     {255, 0, 255},   {192, 192, 192}, {255, 255, 255},
        {0, 0, 0},       {0, 0, 0},       {0, 0, 0},     {0, 0, 0},
    };
    EXPECT_EQ(levelPalette(), expected);
}

TEST(LevelText, EachSymbolBecomesItsCellsPaletteIndex)
{
    std::string text = smallLevelText();
    const std::string symbols = ".@:yoOb*#%B+";
    const std::size_t row5 = 5 * (BoardColumns + 1);
    text.replace(row5 + 10, symbols.size(), symbols);
    text.replace(row5 + 30, 1, " ");

    std::string error;
    const auto bmp = levelBmpFromText(text, &error);
    ASSERT_TRUE(bmp) << error;
    ASSERT_EQ(bmp->size(), 14 + 40 + 4 * 16 + 32 * BoardRows);
    for (int code = 0; code < CellCodeCount; ++code)
        EXPECT_EQ(paletteIndexAt(*bmp, 10 + code, 5), code) << "symbol " << symbols[code];
    EXPECT_EQ(paletteIndexAt(*bmp, 30, 5), Empty);
    EXPECT_EQ(paletteIndexAt(*bmp, 0, 0), RedWall);
    EXPECT_EQ(paletteIndexAt(*bmp, 1, 1), Player);
    EXPECT_EQ(paletteIndexAt(*bmp, 59, 39), RedWall);
}

TEST(LevelText, AcceptsWindowsLineEndingsAndAMissingLastNewline)
{
    const std::string text = smallLevelText();
    std::string windows;
    for (char c : text)
        windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const std::string unterminated = text.substr(0, text.size() - 1);

    const auto expected = levelBmpFromText(text);
    ASSERT_TRUE(expected);
    EXPECT_EQ(levelBmpFromText(windows), expected);
    EXPECT_EQ(levelBmpFromText(unterminated), expected);
}

TEST(LevelText, RefusesTextsThatAreNotFortyLinesOfSixtyKnownSymbols)
{
    const std::string good = smallLevelText();
    const std::size_t lineLength = BoardColumns + 1;
    struct Case {
        const char* what;
        std::string text;
        std::string reason;
    };
    std::string shortLine = good;
    shortLine.erase(3 * lineLength + 10, 1);
    std::string longLine = good;
    longLine.insert(3 * lineLength + 10, ".");
    std::string stray = good;
    stray[7 * lineLength + 12] = 'x';

    const Case cases[] = {
        {"empty", "", "0 lines, not 40"},
        {"a line missing", good.substr(lineLength), "39 lines, not 40"},
        {"a line too many", good + good.substr(0, lineLength), "41 lines, not 40"},
        {"a blank last line", good + "\n", "41 lines, not 40"},
        {"a short line", shortLine, "line 4 has 59 symbols, not 60"},
        {"a long line", longLine, "line 4 has 61 symbols, not 60"},
        {"an unknown symbol", stray, "line 8, column 13: unknown symbol 'x'"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(levelBmpFromText(c.text, &error)) << c.what;
        EXPECT_EQ(error, c.reason) << c.what;
    }
}

TEST(BuiltinLevels, PicturesAreTheConversionsOfTheirTexts)
{
    for (int n = 1; n <= BuiltinLevelCount; ++n) {
        SCOPED_TRACE("level " + std::to_string(n));
        std::string error;
        const auto converted = levelBmpFromText(readText(levelPath(n, ".txt")), &error);
        ASSERT_TRUE(converted) << error;
        EXPECT_TRUE(converted == readWholeFile(levelPath(n, ".bmp"), MaxBmpFileBytes))
            << "assets/levels/level" << n << ".bmp is stale: run kernmine-levels on its text";
    }
}

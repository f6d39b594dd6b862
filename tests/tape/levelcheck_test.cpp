// The level checker on a good level and on one picture for each kind of fault.
#include "levelcheck.h"
#include "levels.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

// A framed board of earth with the player at (1, 1) and a diamond at (7, 5).
std::vector<std::string> goodRows()
{
    std::vector<std::string> rows(BoardRows, "#" + std::string(BoardColumns - 2, ':') + "#");
    rows.front() = rows.back() = std::string(BoardColumns, '#');
    rows[1][1] = '@';
    rows[5][7] = '*';
    return rows;
}

using Problems = std::vector<std::string>;

Problems englishOf(const LevelCheck& check)
{
    Problems texts;
    for (const LevelProblem& problem : check.problems)
        texts.push_back(problem.text.english);
    return texts;
}

Problems problemsOf(const std::vector<std::string>& rows)
{
    return englishOf(checkLevel(pictureFromText(rows)));
}

TEST(LevelCheck, AGoodLevelIsCountedCellByCell)
{
    std::vector<std::string> rows = goodRows();
    rows[10].replace(10, 12, "yoObB+%.*:::");
    const LevelCheck check = checkLevel(pictureFromText(rows));
    EXPECT_TRUE(check.valid()) << check.problems.front().text.english;
    EXPECT_EQ(std::accumulate(check.counts.begin(), check.counts.end(), 0), BoardCells);
    for (std::uint8_t code = 0; code < CellCodeCount; ++code) {
        int symbols = 0;
        for (const std::string& row : rows)
            symbols += static_cast<int>(std::count(row.begin(), row.end(), symbolForCell(code)));
        EXPECT_EQ(check.counts[code], symbols) << cellKindName(code).english;
    }
}

TEST(LevelCheck, APictureOfAnotherSizeIsNamedWithItsSize)
{
    std::vector<std::string> wide = goodRows();
    for (std::string& row : wide)
        row += '#';
    EXPECT_EQ(problemsOf(wide), Problems{"the picture is 61 × 40 pixels, not 60 × 40"});

    std::vector<std::string> low = goodRows();
    low.pop_back();
    const Problems problems = problemsOf(low);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0], "the picture is 60 × 39 pixels, not 60 × 40");
    EXPECT_EQ(problems[1], "the frame of red walls is open at (0, 39), (1, 39), (2, 39), (3, 39), (4, 39), "
                           "(5, 39), (6, 39), (7, 39), (8, 39), (9, 39) and 50 more");
}

TEST(LevelCheck, APixelOfNoLevelColourIsNamedWithTheNearestOne)
{
    Picture level = pictureFromText(goodRows());
    level.setPixel(12, 3, {127, 0, 0});
    level.setPixel(40, 20, {250, 250, 250});
    level.setPixel(41, 20, {0, 0, 130});
    EXPECT_EQ(englishOf(checkLevel(level)), (Problems{"(12, 3) is 127,0,0, close to earth 128,0,0",
                                                    "(40, 20) is 250,250,250, close to extra life 255,255,255",
                                                    "(41, 20) is 0,0,130, close to diamond 0,0,255"}));
}

TEST(LevelCheck, ALevelNeedsOnePlayer)
{
    std::vector<std::string> rows = goodRows();
    rows[1][1] = ':';
    EXPECT_EQ(problemsOf(rows), Problems{"no player: no cell is a player (0,255,0 in the picture)"});
    rows[1][1] = rows[30][20] = rows[2][50] = '@';
    EXPECT_EQ(problemsOf(rows), Problems{"3 players, at (1, 1), (20, 30), (50, 2); a level has one"});
}

TEST(LevelCheck, AnOpenFrameIsNamedWhereItIsOpen)
{
    std::vector<std::string> rows = goodRows();
    rows[0][5] = ':';
    rows[12][59] = '%';
    EXPECT_EQ(problemsOf(rows), Problems{"the frame of red walls is open at (5, 0), (59, 12)"});
    // As many openings as are ever named: every one is, and none is left to count.
    rows = goodRows();
    rows[0].replace(1, 10, std::string(10, ':'));
    const std::string ten = problemsOf(rows).front();
    EXPECT_TRUE(ten.ends_with(", (10, 0)")) << ten;
}

TEST(LevelCheck, ALevelNeedsSomethingToWin)
{
    std::vector<std::string> rows = goodRows();
    rows[5][7] = 'O';
    EXPECT_EQ(problemsOf(rows), Problems{"nothing to win: no diamond and no creature"});
    rows[5][7] = 'o';
    EXPECT_TRUE(problemsOf(rows).empty());
}

TEST(LevelCheck, DiamondsShutOffByRedWallsCanNeverBeTaken)
{
    std::vector<std::string> rows = goodRows();
    // Red walls around the diamond on four sides: the corners do not let the
    // player through. Purple walls only slow the player down.
    rows[4][7] = rows[6][7] = rows[5][6] = rows[5][8] = '#';
    rows[20].replace(20, 3, "%%%");
    rows[21].replace(20, 3, "%*%");
    rows[22].replace(20, 3, "%%%");
    EXPECT_EQ(problemsOf(rows), Problems{"the diamond at (7, 5) can never be taken: red walls shut it off from the player"});
    // While the player is away, the diamond stays shut off from most of the board.
    rows[1][1] = ':';
    EXPECT_EQ(problemsOf(rows), (Problems{"no player: no cell is a player (0,255,0 in the picture)",
                                          "the diamond at (7, 5) is shut off by red walls from most of the board"}));
    rows[1][1] = '@';

    // Walled in with the diamond, the player reaches it and nothing else.
    rows[5][7] = '@';
    rows[1][1] = '*';
    EXPECT_EQ(problemsOf(rows), (Problems{"the diamond at (1, 1) can never be taken: red walls shut it off from the player",
                                          "the diamond at (21, 21) can never be taken: red walls shut it off from the player"}));
}

// The editor marks each problem on the board and lists it in either language:
// the cells are those the text names, and no text is left untranslated.
TEST(LevelCheck, EveryProblemNamesItsCellsInBothLanguages)
{
    std::vector<std::string> rows = goodRows();
    rows[1][1] = rows[30][20] = '@';
    rows[0][5] = ':';
    rows[4][7] = rows[6][7] = rows[5][6] = rows[5][8] = '#';
    Picture level = pictureFromText(rows);
    level.setPixel(12, 3, {127, 0, 0});
    const LevelCheck check = checkLevel(level);
    using Cells = std::vector<BoardCell>;
    const std::vector<Cells> expected{{{12, 3}}, {{1, 1}, {20, 30}}, {{5, 0}}, {{7, 5}}};
    ASSERT_EQ(check.problems.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const LevelProblem& problem = check.problems[i];
        EXPECT_EQ(problem.cells, expected[i]) << problem.text.english;
        EXPECT_NE(problem.text.russian, problem.text.english);
        for (const BoardCell cell : problem.cells) {
            const std::string at = "(" + std::to_string(cell.x) + ", " + std::to_string(cell.y) + ")";
            EXPECT_NE(problem.text.english.find(at), std::string::npos) << problem.text.english;
            EXPECT_NE(problem.text.russian.find(at), std::string::npos) << problem.text.russian;
        }
    }
}
}  // namespace

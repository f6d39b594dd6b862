// The built-in levels as a player meets them: each passes the level checker,
// each uses its board, and none is a near copy of another.
#include "levelcheck.h"
#include "levels.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int InnerCells = (BoardColumns - 2) * (BoardRows - 2);
// Two levels that hold the same thing in more of their inner cells than this
// are one level twice.
constexpr double MostCellsShared = 0.6;

Picture level(int n)
{
    return builtinLevel(n).value_or(Picture{});
}

int sameInnerCells(const Picture& a, const Picture& b)
{
    int same = 0;
    for (int y = 1; y < BoardRows - 1; ++y)
        for (int x = 1; x < BoardColumns - 1; ++x)
            same += a.pixel(x, y) == b.pixel(x, y);
    return same;
}

TEST(BuiltinLevels, EveryLevelPassesTheChecker)
{
    for (int n = 1; n <= BuiltinLevelCount; ++n) {
        const LevelCheck check = checkLevel(level(n));
        for (const LevelProblem& problem : check.problems)
            ADD_FAILURE() << "level " << n << ": " << problem.text.english;
    }
}

TEST(BuiltinLevels, NoLevelIsMostlyPlainEarth)
{
    for (int n = 1; n <= BuiltinLevelCount; ++n)
        EXPECT_LE(checkLevel(level(n)).counts[Earth], InnerCells / 2) << "level " << n;
}

TEST(BuiltinLevels, NoLevelIsANearCopyOfAnother)
{
    for (int a = 1; a <= BuiltinLevelCount; ++a)
        for (int b = a + 1; b <= BuiltinLevelCount; ++b)
            EXPECT_LE(sameInnerCells(level(a), level(b)), MostCellsShared * InnerCells)
                << "levels " << a << " and " << b;
}
}  // namespace

// Decimal numbers written by people, and the numbers in level file names.
#include "decimal.h"
#include "levels.h"

#include <gtest/gtest.h>

namespace {
TEST(Decimal, DigitsOnlyAndNoMoreThanAllowed)
{
    EXPECT_EQ(parseDigits("0", 9), 0);
    EXPECT_EQ(parseDigits("007", 3), 7);
    EXPECT_EQ(parseDigits("999999999", 9), 999999999);
    EXPECT_EQ(parseDigits("12345678", 8), 12345678);
    EXPECT_EQ(parseDigits("00000001", 8), 1);
    for (const char* bad : {"", "-1", "+1", " 1", "1 ", "1x", "x", "1.0", "0x1", "123456789", "000000001"})
        EXPECT_FALSE(parseDigits(bad, 8)) << '"' << bad << '"';
}

TEST(Decimal, AMinusSignMayLead)
{
    EXPECT_EQ(parseDecimal("-5", 9), -5);
    EXPECT_EQ(parseDecimal("-0", 9), 0);
    EXPECT_EQ(parseDecimal("-123456789", 9), -123456789);
    EXPECT_EQ(parseDecimal("42", 9), 42);
    for (const char* bad : {"-", "--5", "-+5", "+5", "- 5", "-1234567890", "1234567890", "5-"})
        EXPECT_FALSE(parseDecimal(bad, 9)) << '"' << bad << '"';
}

TEST(LevelFileNames, TheNumberComesBackFromTheName)
{
    for (const int n : {0, 1, BuiltinLevelCount, 999999999})
        EXPECT_EQ(levelFileNumber(levelFileName(n)), n) << levelFileName(n);
    EXPECT_EQ(levelFileName(7), "level7.bmp");
    EXPECT_EQ(levelFilePath("some/folder", 12), "some/folder/level12.bmp");
    EXPECT_EQ(levelFileNumber("level007.bmp"), 7);
    for (const char* other : {"level.bmp", "Level3.bmp", "level3.BMP", "level-3.bmp", "level+3.bmp", "level 3.bmp",
                              "level1234567890.bmp", "level3.bmp.bmp", "xlevel3.bmp", "level3", "3.bmp"})
        EXPECT_FALSE(levelFileNumber(other)) << other;
}
}  // namespace

// Whole files read and written in one piece.
#include "files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {
namespace fs = std::filesystem;

TEST(Files, EveryByteValueComesBackAsWritten)
{
    const std::string path = testing::TempDir() + "kernmine_files_test.bin";
    std::vector<std::uint8_t> bytes;
    for (int round = 0; round < 3; ++round)
        for (int value = 255; value >= 0; --value)
            bytes.push_back(static_cast<std::uint8_t>(value));  // line ends, NUL and 0x1a among them
    ASSERT_TRUE(writeWholeFile(path, bytes));
    EXPECT_EQ(readWholeFile(path), bytes);

    ASSERT_TRUE(writeWholeFile(path, std::vector<std::uint8_t>{7}));
    EXPECT_EQ(readWholeFile(path), std::vector<std::uint8_t>{7}) << "a shorter write replaces the file";

    ASSERT_TRUE(writeWholeFile(path, {}));
    const auto empty = readWholeFile(path);
    ASSERT_TRUE(empty) << "an empty file is read, not refused";
    EXPECT_TRUE(empty->empty());
    fs::remove(path);
}

TEST(Files, AMissingFileOrFolderIsRefused)
{
    const fs::path nowhere = fs::path(testing::TempDir()) / "kernmine_no_such_folder";
    fs::remove_all(nowhere);
    EXPECT_FALSE(readWholeFile((nowhere / "file").string()));
    EXPECT_FALSE(writeWholeFile((nowhere / "file").string(), std::vector<std::uint8_t>{1, 2}));
    EXPECT_FALSE(fs::exists(nowhere));

    // A folder where a file is expected (a skin, level or saved game named like
    // one) is no file either, and reading it must not throw.
    fs::create_directories(nowhere / "level1.bmp");
    EXPECT_FALSE(readWholeFile((nowhere / "level1.bmp").string()));
    fs::remove_all(nowhere);
}

TEST(Files, AStreamIsReadToItsEnd)
{
    std::istringstream in(std::string("ab\0\r\ncd", 7));
    in.get();
    EXPECT_EQ(readWholeStream(in), (std::vector<std::uint8_t>{'b', 0, '\r', '\n', 'c', 'd'}));
    EXPECT_TRUE(readWholeStream(in).empty());
}
}  // namespace

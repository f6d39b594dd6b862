// Whole files read and written in one piece.
#include "files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

namespace {
namespace fs = std::filesystem;

constexpr std::size_t Limit = 1000;

TEST(Files, EveryByteValueComesBackAsWritten)
{
    const std::string path = testing::TempDir() + "kernmine_files_test.bin";
    std::vector<std::uint8_t> bytes;
    for (int round = 0; round < 3; ++round)
        for (int value = 255; value >= 0; --value)
            bytes.push_back(static_cast<std::uint8_t>(value));  // line ends, NUL and 0x1a among them
    ASSERT_TRUE(writeWholeFile(path, bytes));
    EXPECT_EQ(readWholeFile(path, Limit), bytes);

    ASSERT_TRUE(writeWholeFile(path, std::vector<std::uint8_t>{7}));
    EXPECT_EQ(readWholeFile(path, Limit), std::vector<std::uint8_t>{7}) << "a shorter write replaces the file";

    ASSERT_TRUE(writeWholeFile(path, {}));
    const auto empty = readWholeFile(path, Limit);
    ASSERT_TRUE(empty) << "an empty file is read, not refused";
    EXPECT_TRUE(empty->empty());
    fs::remove(path);
}

TEST(Files, AMissingFileOrFolderIsRefused)
{
    const fs::path nowhere = fs::path(testing::TempDir()) / "kernmine_no_such_folder";
    fs::remove_all(nowhere);
    EXPECT_FALSE(readWholeFile((nowhere / "file").string(), Limit));
    EXPECT_FALSE(writeWholeFile((nowhere / "file").string(), std::vector<std::uint8_t>{1, 2}));
    EXPECT_FALSE(fs::exists(nowhere));

    // A folder where a file is expected (a skin, level or saved game named like
    // one) is no file either, and reading it must not throw.
    fs::create_directories(nowhere / "level1.bmp");
    EXPECT_FALSE(readWholeFile((nowhere / "level1.bmp").string(), Limit));
    fs::remove_all(nowhere);
}

// A file named like a level, skin or saved game may be anything: each of these
// is refused at once, without reading it, without waiting and without memory
// beyond the limit. A hang here is a failure by the test's time-out.
TEST(Files, OnlyARegularFileWithinTheLimitIsRead)
{
    const fs::path folder = fs::path(testing::TempDir()) / "kernmine_hostile_files";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const auto file = [&](const char* name) { return (folder / name).string(); };

    ASSERT_TRUE(writeWholeFile(file("full"), std::vector<std::uint8_t>(Limit, 42)));
    EXPECT_EQ(readWholeFile(file("full"), Limit), std::vector<std::uint8_t>(Limit, 42));
    fs::create_symlink(file("full"), file("link-to-full"));
    EXPECT_TRUE(readWholeFile(file("link-to-full"), Limit)) << "a link to a regular file is that file";

    ASSERT_TRUE(writeWholeFile(file("one-too-many"), std::vector<std::uint8_t>(Limit + 1, 42)));
    EXPECT_FALSE(readWholeFile(file("one-too-many"), Limit));
    ASSERT_TRUE(writeWholeFile(file("sparse"), {}));
    ASSERT_EQ(::truncate(file("sparse").c_str(), 6LL << 30), 0);  // 6 GB that take no disk
    EXPECT_FALSE(readWholeFile(file("sparse"), Limit));

    ASSERT_EQ(::mkfifo(file("fifo").c_str(), 0600), 0);
    EXPECT_FALSE(readWholeFile(file("fifo"), Limit)) << "a pipe with no writer";
    fs::create_symlink("/dev/zero", file("zeros"));
    EXPECT_FALSE(readWholeFile(file("zeros"), Limit)) << "endless zeros";
    fs::remove_all(folder);
}

TEST(Files, AStreamIsReadToItsEnd)
{
    std::istringstream in(std::string("ab\0\r\ncd", 7));
    in.get();
    EXPECT_EQ(readWholeStream(in), (std::vector<std::uint8_t>{'b', 0, '\r', '\n', 'c', 'd'}));
    EXPECT_TRUE(readWholeStream(in).empty());
}
}  // namespace

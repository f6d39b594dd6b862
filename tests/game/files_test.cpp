// Whole files read and written in one piece.
#include "files.h"

#include "../filesizelimit.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sstream>

namespace {
namespace fs = std::filesystem;

constexpr std::size_t Limit = 1000;

std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

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

// A disk that fills up at any byte: the write is refused however far it got,
// also when every byte was taken and the disk refuses only at the end, and
// leaves the old file whole and nothing else behind.
TEST(Files, ADiskFillingUpAnywhereKeepsTheOldFileWhole)
{
    const fs::path folder = fs::path(testing::TempDir()) / "kernmine_full_disk";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string path = (folder / "keep.bmp").string();
    const std::vector<std::uint8_t> old(300, 14), next(257, 20);
    ASSERT_TRUE(writeWholeFile(path, old));
    for (rlim_t room = 0; room < next.size(); ++room) {
        {
            const FileSizeLimit full(room);
            EXPECT_FALSE(writeWholeFile(path, next)) << room;
        }
        ASSERT_EQ(readWholeFile(path, Limit), old) << room;
        ASSERT_EQ(namesIn(folder), std::vector<std::string>{"keep.bmp"}) << room;
    }
    {
        const FileSizeLimit roomy(next.size());
        EXPECT_TRUE(writeWholeFile(path, next));
    }
    EXPECT_EQ(readWholeFile(path, Limit), next);
    fs::remove_all(folder);
}

// A write never goes through a link, nor into a pipe, a device or a folder (a
// writer that opens the pipe waits for a reader: a hang is a failure by the
// time-out).
TEST(Files, AWriteReplacesOnlyARegularFile)
{
    const fs::path folder = fs::path(testing::TempDir()) / "kernmine_write_targets";
    fs::remove_all(folder);
    fs::create_directories(folder / "folder");
    const auto file = [&](const char* name) { return (folder / name).string(); };
    const std::vector<std::uint8_t> precious{'k', 'e', 'e', 'p'};
    ASSERT_TRUE(writeWholeFile(file("decoy"), precious));
    fs::create_symlink(file("decoy"), file("link"));
    fs::create_symlink(file("nowhere"), file("dangling"));
    ASSERT_EQ(::mkfifo(file("fifo").c_str(), 0600), 0);
    for (const char* target : {"link", "dangling", "fifo", "folder"})
        EXPECT_FALSE(writeWholeFile(file(target), std::vector<std::uint8_t>{1})) << target;
    EXPECT_EQ(readWholeFile(file("decoy"), Limit), precious);
    EXPECT_TRUE(fs::is_symlink(file("link")));
    EXPECT_FALSE(fs::exists(file("nowhere")));
    EXPECT_EQ(namesIn(folder), (std::vector<std::string>{"dangling", "decoy", "fifo", "folder", "link"}));
    fs::remove_all(folder);
}

TEST(Files, AStreamIsReadToItsEndWithinTheLimit)
{
    std::istringstream in(std::string("ab\0\r\ncd", 7));
    in.get();
    EXPECT_EQ(readWholeStream(in, 6), (std::vector<std::uint8_t>{'b', 0, '\r', '\n', 'c', 'd'}));
    EXPECT_EQ(readWholeStream(in, 0), std::vector<std::uint8_t>{});
    std::istringstream longer("abcdefg");
    EXPECT_FALSE(readWholeStream(longer, 6));
}
}  // namespace

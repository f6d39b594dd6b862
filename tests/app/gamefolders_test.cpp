// The player's folders made, and his skins listed beside ours: one list, by
// name, the player's first.
#include "gamefolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}
}  // namespace

TEST(GameFolders, ThePlayersSkinsAreListedBesideOursAndTakeTheirNames)
{
    QTemporaryDir root;
    const GameFolders folders(root.path() + "/home/kernmine", root.path() + "/usr/share/games/kernmine");
    // A folder that cannot be made is named, and those after it are made all the same.
    ASSERT_TRUE(QDir().mkpath(root.path() + "/home/kernmine"));
    touch(folders.players("levels"));
    EXPECT_EQ(folders.makePlayersFolders(), QStringList{"levels"});
    for (const char* name : {"skins", "save"})
        EXPECT_TRUE(QDir(folders.players(name)).exists()) << name;
    ASSERT_TRUE(QFile::remove(folders.players("levels")));
    ASSERT_TRUE(folders.makePlayersFolders().isEmpty());
    for (const char* name : {"levels", "skins", "save"})
        EXPECT_TRUE(QDir(folders.players(name)).exists()) << name;
    ASSERT_TRUE(QDir().mkpath(folders.shipped("skins")));
    for (const char* ours : {"classic.bmp", "Night.bmp", "readme.txt"})
        touch(folders.shipped("skins") + "/" + ours);
    for (const char* players : {"night.bmp", "mine.BMP", "zebra.bmp"})
        touch(folders.players("skins") + "/" + players);

    // A name in both folders, in any case, is listed once and is the player's;
    // only pictures are listed, in order of name without regard to case.
    EXPECT_EQ(folders.skinFiles().join(' ').toStdString(), "classic.bmp mine.BMP night.bmp zebra.bmp");
    EXPECT_EQ(folders.skinPath("night.bmp"), folders.players("skins") + "/night.bmp");
    EXPECT_EQ(folders.skinPath("classic.bmp"), folders.shipped("skins") + "/classic.bmp");
}

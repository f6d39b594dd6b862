// The names of saved games: the extension, and the names that would leave the
// save folder. The session's flow itself is held by its transcripts.
#include "savedgames.h"

#include <gtest/gtest.h>

TEST(SavedGameNames, TheExtensionIsAddedOnceAndUnsafeNamesAreRefused)
{
    EXPECT_EQ(saveFileName("game"), "game.kms");
    EXPECT_EQ(saveFileName("game.kms"), "game.kms");
    EXPECT_EQ(saveFileName("c.KMS"), "c.KMS");
    EXPECT_EQ(saveFileName("a.kmstxta"), "a.kmstxta.kms");
    EXPECT_FALSE(saveFileName(""));
    EXPECT_FALSE(saveFileName(".kms"));

    for (const std::string good : {"game.kms", "Игра 2.kms", "a b-c_d.kms"})
        EXPECT_TRUE(isSafeFileName(good)) << good;
    for (const std::string bad : {"../x.kms", "a/b.kms", "/abs.kms", "a\\b.kms", "...kms", "a..b.kms", ".hidden.kms",
                                  "tab\t.kms", "del\x7f.kms", "c1\xc2\x85.kms"})
        EXPECT_FALSE(isSafeFileName(bad)) << bad;
    EXPECT_FALSE(isSafeFileName(std::string("nul\0.kms", 8)));
}

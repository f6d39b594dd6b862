// The game's flow with no window: the session driven by keys and ticks, shown
// on a front end that records what it is asked, with the saved games in memory.
#include "savedgames.h"
#include "session.h"

#include "recordingfrontend.h"
#include "recordinghosts.h"

#include <gtest/gtest.h>

namespace {

struct Flow : ::testing::Test {
    RecordingFrontEnd front;
    FakeFiles files{front.transcript};
    RecordingSkinsHost skinsPanel;
    Session session{front, files, skinsPanel};
    Game& game = session.game;

    void press(int key) { session.pressKey(key, {}); }
    // A later run: the title, then New game, then the built-in levels.
    Flow()
    {
        session.start({.firstRun = false});
        for (int i = 0; i < 3; ++i)
            press(vk::Enter);
    }
    // The save key, a name typed into the box, Enter.
    void saveAs(const std::string& name)
    {
        press('S');
        front.typed = name;
        press(vk::Enter);
    }
};

}  // namespace

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

// A name that would leave the save folder is said over the menus and nothing is written.
TEST_F(Flow, UnsafeNamesAreRefused)
{
    for (const std::string name : {"../outside", "/absolute", "sub/inside", "a\\b", "..", "bell\a", ".hidden"}) {
        saveAs(name);
        EXPECT_EQ(front.messages.back(), message::cannotSaveGame(name).english);
        EXPECT_EQ(game.gamestate, MenuMessageInGame);
        press(vk::Enter);
        EXPECT_EQ(session.menus.menuitem, item::SaveName);
        session.menus.activatemenuitem(item::BackToGame);
    }
    EXPECT_TRUE(files.saves.empty());
    EXPECT_TRUE(session.savename().empty());
}

TEST_F(Flow, AnEmptySaveListCopiesNothing)
{
    front.typed = "typed";
    EXPECT_FALSE(session.copySaveSelection());
    EXPECT_EQ(front.typed, "typed");
    front.entries[1] = {"a.kms", "b.kms"};
    EXPECT_TRUE(session.copySaveSelection());
    EXPECT_EQ(front.typed, "a.kms");
}

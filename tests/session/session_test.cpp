// The game's flow with no window: the session driven by keys and ticks, shown
// on a front end that records what it is asked, with the saved games in memory.
#include "savedgames.h"
#include "session.h"

#include "recordinghosts.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class RecordingFrontEnd : public FrontEnd {
public:
    std::vector<std::string> messages;  // every one said, in English
    bool messageOpen = false;
    bool clocks[2] = {false, false};
    bool playScreen = false;
    std::map<Panel, bool> panels;
    std::string caption;
    Counters counters;
    std::vector<std::string> entries[2];
    int selected[2] = {-1, -1};
    std::string typed;

    bool clock(Clock which) const { return clocks[static_cast<int>(which)]; }

    void drawitem(int, int, int, int) override {}
    void placeField(int, int) override {}
    void showCounters(const Counters& shown) override { counters = shown; }
    void showLevelCaption(const std::string& shown) override { caption = shown; }
    void runClock(Clock which, bool on) override { clocks[static_cast<int>(which)] = on; }
    void showMessage(const MessageText& message) override
    {
        messages.push_back(message.english);
        messageOpen = true;
    }
    void closeMessage() override { messageOpen = false; }
    void showProgress(const MessageText&) override {}
    void setProgress(int) override {}
    void hideProgress() override {}
    void setItemLook(int, bool, bool) override {}
    void setPanelVisible(Panel panel, bool visible) override { panels[panel] = visible; }
    void focusItem(int) override {}
    void showScreen(bool play) override { playScreen = play; }
    void showCaptions(bool) override {}
    void showKeyNames(const std::array<std::string, HotkeyCount>&) override {}
    void showExternalLevelCount(int) override {}
    void showEntries(int list, const std::vector<std::string>& shown) override
    {
        entries[index(list)] = shown;
        selected[index(list)] = -1;
    }
    std::string selectedEntry(int list) override
    {
        const int row = selected[index(list)];
        return row < 0 ? std::string() : entries[index(list)][row];
    }
    bool selectFirstEntry(int list) override
    {
        if (entries[index(list)].empty())
            return false;
        selected[index(list)] = 0;
        return true;
    }
    std::string typedName() override { return typed; }
    void setTypedName(const std::string& name) override { typed = name; }
    bool showTitleStep(int) override { return false; }
    void hideTitle() override {}
    void showPreviewStep(int) override {}
    bool openwebpage(const std::string&) override { return false; }
    void exitGame() override {}

private:
    static int index(int list) { return list == item::LoadList ? 0 : 1; }
};

// A save folder in memory; no external levels.
class FakeFiles : public PlayerFiles {
public:
    std::map<std::string, std::vector<std::uint8_t>> saves;
    bool writable = true;
    bool linkedFolder = false;

    std::vector<std::string> savedGames() override
    {
        std::vector<std::string> names;
        for (const auto& [name, bytes] : saves)
            names.push_back(name);
        return names;
    }
    bool savedGameExists(const std::string& name) override { return saves.contains(name); }
    std::optional<std::vector<std::uint8_t>> readSavedGame(const std::string& name) override
    {
        const auto file = saves.find(name);
        return file == saves.end() ? std::nullopt : std::optional(file->second);
    }
    bool writeSavedGame(const std::string& name, std::span<const std::uint8_t> bytes) override
    {
        if (writable)
            saves[name].assign(bytes.begin(), bytes.end());
        return writable;
    }
    bool removeSavedGame(const std::string& name) override { return saves.erase(name) == 1; }
    bool savedGamesFolderIsLink() override { return linkedFolder; }
    bool levelExists(int) override { return false; }
    std::optional<Picture> readLevel(int) override { return std::nullopt; }
};

struct Shown : ::testing::Test {
    RecordingFrontEnd front;
    FakeFiles files;
    RecordingSkinsHost skinsPanel;
    Session session{front, files, skinsPanel};
    Game& game = session.game;

    void press(int key) { session.pressKey(key, {}); }
};

struct Flow : Shown {
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
    // The load key and Enter on the first saved game.
    void loadFirst()
    {
        press('L');
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

TEST_F(Shown, SettingsThatCannotBeKeptAreSaidWhenTheMenuStands)
{
    session.start({.firstRun = false, .settingsKept = false});
    EXPECT_TRUE(front.messages.empty());
    press('X');
    EXPECT_EQ(front.messages, std::vector<std::string>{message::settingsNotSaved().english});
    EXPECT_EQ(game.gamestate, MenuMessage);
    EXPECT_TRUE(front.panels[Panel::Main]);
    EXPECT_FALSE(front.clock(Clock::Interface));
}

// A failed save is said, and the game a death would reload stays the last good one.
TEST_F(Flow, ASaveIsReloadedByADeathUntilTheNextLevel)
{
    game.counters.lives = 2;
    game.counters.bombs = 7;
    saveAs("before");
    EXPECT_EQ(session.savename(), "before.kms");
    EXPECT_EQ(game.gamestate, Playing);
    EXPECT_TRUE(front.clock(Clock::World));
    files.writable = false;
    saveAs("lost");
    EXPECT_EQ(front.messages.back(), message::cannotSaveGame("lost.kms").english);
    EXPECT_EQ(game.gamestate, MenuMessageInGame);
    press(vk::Enter);
    session.menus.activatemenuitem(item::BackToGame);

    game.counters.lives = 0;  // the last life lost
    game.counters.bombs = 1;
    game.gamestate = Dead;
    press(vk::Enter);
    EXPECT_EQ(game.gamestate, Playing);
    EXPECT_EQ(game.counters.lives, 2);
    EXPECT_EQ(front.counters.bombs, 7);

    // A passed level forgets the save: the next death restarts that level.
    game.gamestate = LevelEnd;
    press(vk::Enter);
    EXPECT_EQ(game.level, 2);
    EXPECT_TRUE(session.savename().empty());
    game.counters.lives = 1;
    game.gamestate = Dead;
    press(vk::Enter);
    EXPECT_EQ(game.level, 2);
    EXPECT_EQ(game.counters.lives, 1);
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

// Nothing of the game changes; the message waits over the menus, and play goes on.
TEST_F(Flow, ASaveTheGameCouldNotHaveWrittenIsRefused)
{
    saveAs("whole");
    const std::vector<std::uint8_t> whole = files.saves["whole.kms"], truncated(whole.begin(), whole.begin() + 5000);
    std::vector<std::uint8_t> noDigger = whole;
    std::replace(noDigger.begin(), noDigger.end(), std::uint8_t(11 + Player), std::uint8_t(11 + Empty));
    files.saves.erase("whole.kms");
    for (const auto& damaged : {truncated, noDigger, std::vector<std::uint8_t>{}}) {
        files.saves["damaged.kms"] = damaged;
        game.counters.lives = 9;
        loadFirst();
        EXPECT_EQ(front.messages.back(), message::cannotLoadGame("damaged.kms").english);
        EXPECT_EQ(game.gamestate, MenuMessageInGame);
        EXPECT_EQ(game.counters.lives, 9);
        EXPECT_EQ(session.savename(), "whole.kms");
        press(vk::Enter);
        EXPECT_EQ(game.gamestate, MenuInGame);
        session.menus.activatemenuitem(item::BackToGame);
        EXPECT_EQ(game.gamestate, Playing);
    }
    files.saves["damaged.kms"] = whole;  // a good load is the one a death reloads
    loadFirst();
    EXPECT_EQ(session.savename(), "damaged.kms");
}

// Over the play screen, the message of a reload that failed leads to the main menu.
TEST_F(Flow, ADeathWhoseSaveIsGoneEndsInTheMainMenu)
{
    saveAs("fragile");
    files.saves.erase("fragile.kms");
    game.gamestate = Dead;
    press(vk::Enter);
    EXPECT_EQ(front.messages.back(), message::cannotLoadGame("fragile.kms").english);
    EXPECT_EQ(game.gamestate, MenuMessage);
    press(vk::Enter);
    EXPECT_EQ(game.gamestate, Menu);
    EXPECT_FALSE(front.playScreen);
    EXPECT_TRUE(front.panels[Panel::Main]);
    EXPECT_EQ(session.menus.menuitem, item::NewGame);
}

TEST_F(Flow, EnterAfterALevelAfterTheLastAndAfterADeath)
{
    game.level = 3;
    game.setWorldTimer(false);
    game.gamestate = LevelEnd;
    front.messageOpen = true;
    press(vk::Right);
    EXPECT_EQ(game.gamestate, LevelEnd);
    press(vk::Enter);
    EXPECT_EQ(game.gamestate, Playing);
    EXPECT_EQ(front.caption, "Level 4");
    EXPECT_FALSE(front.messageOpen);
    EXPECT_TRUE(front.clock(Clock::World));

    game.level = 30;
    game.gamestate = LevelEnd;
    press(vk::Enter);
    EXPECT_EQ(game.gamestate, Menu);
    EXPECT_FALSE(front.playScreen);

    press(vk::Enter);  // New game
    press(vk::Enter);  // the built-in levels
    game.level = 2;
    game.counters.lives = 1;
    game.gamestate = Dead;
    press(vk::Enter);
    EXPECT_EQ(game.gamestate, Playing);
    EXPECT_EQ(game.level, 2);
    game.counters.lives = 0;
    game.gamestate = Dead;
    press(vk::Enter);
    EXPECT_EQ(game.gamestate, Menu);
    EXPECT_FALSE(front.clock(Clock::World));
    EXPECT_TRUE(front.panels[Panel::Main]);
}

// A pad lost in play pauses it, and nowhere else; a new pad is named over the
// menus. The load key leaves the pause for the load list.
TEST_F(Flow, PadsPauseWhenLostAndAreNamedOverTheMenus)
{
    session.padLost();
    EXPECT_EQ(game.gamestate, Paused);
    EXPECT_FALSE(front.clock(Clock::World));
    session.padLost();
    EXPECT_EQ(game.gamestate, Paused);
    session.padKey(vk::Pause, {});
    EXPECT_EQ(game.gamestate, Playing);
    EXPECT_FALSE(front.messageOpen);

    press(vk::Pause);
    press('L');
    EXPECT_FALSE(front.messageOpen);
    EXPECT_EQ(session.menus.menuitem, item::LoadList);
    session.padConnected("Pad");
    EXPECT_EQ(front.messages.back(), message::padConnected("Pad").english);
    EXPECT_EQ(game.gamestate, MenuMessageInGame);
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

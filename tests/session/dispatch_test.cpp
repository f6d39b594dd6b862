// What a key does in each state of the game: over the menus through the
// session, in play through the level player with hosts that record what it
// asks; one group a state, with the edges of the bindings and of the messages
// that can stand in it.
#include "session.h"

#include "../game/play.h"
#include "recordingfrontend.h"
#include "recordinghosts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Events = std::vector<std::string>;

// The screen and the owner of the level's play.
class RecordingLevelHost : public LevelScreen, public LevelOwner {
public:
    Events events;

    void closeMessage() override { events.push_back("close message"); }
    void showMessage(const MessageText& message) override { events.push_back(message.english); }
    void showCounters(const Counters&) override {}
    void showLevelCaption(const std::string&) override {}
    void continueafterlevel() override { events.push_back("after level"); }
    void continueafterdeath() override { events.push_back("after death"); }
    std::vector<Hotkey> left;  // the keys that left play
    void leaveplay(Hotkey action) override { left.push_back(action); }
};

constexpr KeyModifiers Ctrl{.ctrl = true};
constexpr KeyModifiers ShiftKey{.shift = true};

struct Keys : ::testing::Test {
    // The digger at (2, 1) with room on both sides and earth below.
    Play play{{"######",
               "#.@.*#",
               "#::::#",
               "######"}};
    Game& game = play.game;
    KeyBindings bindings;
    RecordingLevelHost host;
    LevelPlayer level{game, host, bindings.keys, host};

    void press(int key, KeyModifiers held = {}) { level.pressKey(key, held); }
    void bind(Hotkey action, int key) { bindings.keys[static_cast<int>(action)] = static_cast<std::uint8_t>(key); }
};

TEST(MenuKeys, MoveDeleteOnlyOnTheLoadListAndAKeyNameCapturesAnyKeyOnce)
{
    RecordingFrontEnd front;
    FakeFiles files{front.transcript};
    RecordingSkinsHost skinsPanel;
    Session session{front, files, skinsPanel};
    const auto press = [&](int key) { session.pressKey(key, {}); };
    files.saves["old.kms"] = {};
    session.start({.firstRun = false});
    press(vk::Enter);  // the title
    press(vk::Down);
    EXPECT_NE(session.menus.menuitem, item::NewGame);
    press(vk::Up);
    EXPECT_EQ(session.menus.menuitem, item::NewGame);
    press(vk::Delete);
    EXPECT_EQ(files.saves.size(), 1u) << "Delete acts only on the load list";
    session.menus.ShowMenu(item::NewGame, item::LoadGame);
    press(vk::Right);
    front.selected[0] = 0;
    press(vk::Delete);
    EXPECT_TRUE(files.saves.empty());
    EXPECT_EQ(session.game.gamestate, MenuMessage);
    press(vk::Enter);

    const int action = item::FirstAction + static_cast<int>(Hotkey::pause);
    for (const int key : {vk::Enter, vk::Left, vk::Escape}) {
        session.menus.menuitem = action + item::KeyNameOffset;
        press(key);
        EXPECT_EQ(binding(session.bindings.keys, Hotkey::pause), key);
        EXPECT_EQ(session.menus.menuitem, action) << "a capture lasts one key";
    }
    EXPECT_EQ(binding(session.bindings.keys, Hotkey::menu), 0) << "Esc was taken from the menu key";
}

// A key bound to pause and to a move does both in play; while paused it only
// resumes. Moves and self-destruction wait; the menu key leaves.
TEST_F(Keys, PausedTheKeysResumeOrLeaveButNeverPlay)
{
    bind(Hotkey::left, 'P');
    bind(Hotkey::pause, 'P');
    press('P');
    EXPECT_EQ(game.playerx, 1);
    EXPECT_EQ(game.gamestate, Paused);
    EXPECT_FALSE(game.worldTimer);
    EXPECT_EQ(host.events, Events{"P A U S E"});

    for (const int key : {vk::Right, int('T')})
        press(key);
    EXPECT_EQ(game.playerx, 1);
    EXPECT_EQ(game.board.blast_a(1, 1) + game.board.blast_b(1, 1), 0);
    press('P');
    EXPECT_EQ(game.gamestate, Playing);
    EXPECT_TRUE(game.worldTimer);
    EXPECT_EQ(game.playerx, 1) << "resuming is not a move too";

    play.ticks(1);
    bind(Hotkey::pause, vk::Pause);
    press(vk::Pause);
    press(vk::Escape);
    EXPECT_EQ(host.left, std::vector{Hotkey::menu});
}

TEST_F(Keys, InPlayOneActionATickWithTheModifiersOfTheBindings)
{
    bind(Hotkey::exit, 0);
    press(0);
    EXPECT_TRUE(host.events.empty()) << "no key is no binding";

    press(vk::Down, ShiftKey);  // eats the earth below without stepping
    EXPECT_EQ(play.at(2, 2), Empty);
    EXPECT_EQ(game.playery, 1);
    for (const int key : {vk::Right, vk::Pause, vk::Escape})
        press(key);
    EXPECT_EQ(game.playerx, 2) << "every key is lost once the player has acted";
    EXPECT_EQ(game.gamestate, Playing);

    play.ticks(1);
    press(vk::Right, Ctrl);
    EXPECT_EQ(play.at(3, 1), Bomb);
    EXPECT_EQ(game.counters.bombs, StartingBombs - 1);

    play.ticks(1);
    press(vk::Left, KeyModifiers{.shift = true, .ctrl = true});
    EXPECT_EQ(play.at(1, 1), Bomb) << "with both held the bomb is dropped";

    play.ticks(1);
    bind(Hotkey::bomb, vk::Alt);
    press(vk::Down, Ctrl);
    EXPECT_EQ(game.playery, 2) << "Ctrl is no longer the bomb key: a plain step";
}
}  // namespace

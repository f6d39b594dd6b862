// The play-test's flow without a window: keys and ticks in, what the screen is
// asked out, the tape read back by the replay that proves a level.
#include "playtestflow.h"

#include "levels.h"
#include "replay.h"
#include "vk.h"

#include <gtest/gtest.h>

namespace {

class RecordingScreen : public PlayTestScreen {
public:
    bool messageOpen = false;
    bool worldClock = false;
    int ended = 0;
    Counters counters;

    void drawitem(int, int, int, int) override {}
    void placeField(int, int) override {}
    void showCounters(const Counters& shown) override { counters = shown; }
    void showLevelCaption(const std::string&) override {}
    void runClock(Clock clock, bool on) override { worldClock = clock == Clock::World ? on : worldClock; }
    void showMessage(const MessageText&) override { messageOpen = true; }
    void closeMessage() override { messageOpen = false; }
    void playEnded() override { ++ended; }
};

struct PlayTested : ::testing::Test {
    // The player between an empty cell and a diamond two steps away.
    const Picture board = pictureFromText({"######", "#.@.*#", "######"});
    RecordingScreen screen;
    PlayTestFlow flow{screen};
    Game& game = flow.game;
    Hotkeys keys = DefaultHotkeys;

    void press(int key, KeyModifiers held = {}) { flow.pressKey(key, held); }
};

// A death and Enter play the board again from its start, on a new tape; Esc
// leaves at any moment, the pause too, whatever the menu key.
TEST_F(PlayTested, ADeathAndEnterPlayTheBoardAgainAndEscapeLeaves)
{
    keys[static_cast<int>(Hotkey::menu)] = 'M';
    flow.start(board, 1, "", true, keys);
    press(vk::Left, {.ctrl = true});
    flow.worldTick();
    press('T');
    press(vk::Right);  // lost: a tape holds one key a tick
    EXPECT_EQ(game.playerx, 2);
    for (int tick = 0; tick < 10 && game.gamestate == Playing; ++tick)
        flow.worldTick();
    ASSERT_EQ(game.gamestate, Dead);
    press(vk::Enter);
    EXPECT_EQ(game.gamestate, Playing);
    EXPECT_FALSE(screen.messageOpen);
    EXPECT_EQ(screen.counters.lives, StartingLives);
    EXPECT_EQ(screen.counters.bombs, StartingBombs);
    EXPECT_TRUE(flow.tape().empty());

    press(vk::Pause);
    press(vk::Escape);
    EXPECT_EQ(screen.ended, 1);
    EXPECT_FALSE(screen.worldClock);
    EXPECT_FALSE(screen.messageOpen);
}

// Keys rebound in the game's settings play the play-test, one a tick on the
// tape; the tape of a win replays to the win, and Enter then leaves.
TEST_F(PlayTested, AWinsTapeInThePlayersKeysReplaysToAWin)
{
    keys[static_cast<int>(Hotkey::right)] = 'D';
    keys[static_cast<int>(Hotkey::bomb)] = vk::Alt;
    flow.start(board, 1, "", true, keys);
    press(vk::Right);
    flow.worldTick();
    press(vk::Left, {.alt = true});
    press('T');
    flow.worldTick();
    press('D');
    flow.worldTick();
    press('D');
    ASSERT_TRUE(flow.won());
    EXPECT_EQ(writeTape(flow.tape()), ". BL R*2\n");
    std::string error;
    EXPECT_TRUE(tapeWins(board, 1, *parseTape(writeTape(flow.tape()), error)));
    press(vk::Enter);
    EXPECT_EQ(screen.ended, 1);
}

}  // namespace

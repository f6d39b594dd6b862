// One level's play from its start to its end, the same wherever a level is
// played: in the game and in the editor's play-test. The level player starts
// the level, turns the keys of play into the player's actions, pauses and
// resumes, runs the world's tick and shows the counters; what Enter does after
// a death or a won level, and where the keys that leave play lead, its owner
// decides.
#pragma once

#include "game.h"
#include "hotkeys.h"
#include "tape.h"

#include <optional>
#include <string>
#include <vector>

// The two clocks the flow runs: the world's tick (the rules' Timer1) and the
// interface's, which steps the title and the skins preview (the rules' Timer3).
// The message panel's animation is the screen's own.
enum class Clock { World, Interface };

// What the level player shows itself: the status bar and the pause message.
class LevelScreen {
public:
    virtual ~LevelScreen() = default;
    virtual void showCounters(const Counters& counters) = 0;
    virtual void showLevelCaption(const std::string& caption) = 0;
    // A message (dropped while another stands); the panel hidden and its
    // animation stopped.
    virtual void showMessage(const MessageText& message) = 0;
    virtual void closeMessage() = 0;
};

// The whole screen a level is played on, with the field the core draws and
// the clocks it runs.
class PlayScreen : public LevelScreen {
public:
    virtual void drawitem(int spritecol, int spriterow, int x, int y) = 0;
    virtual void placeField(int left, int top) = 0;
    virtual void runClock(Clock clock, bool on) = 0;
};

// Where the external level pictures come from.
class LevelPictures {
public:
    virtual ~LevelPictures() = default;
    virtual bool levelExists(int n) = 0;
    virtual std::optional<Picture> readLevel(int n) = 0;
};

// The core's host: cells, messages and the world's clock on the play screen,
// the levels from their files.
class ScreenHost final : public GameHost {
public:
    ScreenHost(PlayScreen& screen, LevelPictures& levels) : screen_(screen), levels_(levels) {}

    void drawitem(int spritecol, int spriterow, int x, int y) override { screen_.drawitem(spritecol, spriterow, x, y); }
    void showmessageimage(const std::string& english, const std::string& russian) override
    {
        screen_.showMessage({english, russian});
    }
    void setWorldTimer(bool on) override { screen_.runClock(Clock::World, on); }
    void placeField(int left, int top) override { screen_.placeField(left, top); }
    bool levelExists(int n) override { return levels_.levelExists(n); }
    std::optional<Picture> readLevel(int n) override { return levels_.readLevel(n); }

private:
    PlayScreen& screen_;
    LevelPictures& levels_;
};

// What differs between the places a level is played.
class LevelOwner {
public:
    virtual ~LevelOwner() = default;
    // Enter after a won level and after a death.
    virtual void continueafterlevel() = 0;
    virtual void continueafterdeath() = 0;
    // A key bound to leave play (the menu, load, save or exit key), pressed
    // in play or paused.
    virtual void leaveplay(Hotkey action) = 0;
};

// What a key does in play by the bindings. Each binding is tested on its own,
// so a key bound to several actions does all; the moves come in the order they
// are tried, and only the first of a tick counts.
struct PlayKey {
    std::vector<Direction> moves;
    bool eat = false;   // the modifiers held with the moves
    bool bomb = false;
    bool menu = false, load = false, save = false, exit = false, pause = false, terminate = false;
};
PlayKey playKeyOf(const Hotkeys& keys, int key, KeyModifiers held);

// How the keys act in play: every binding of a key acts (the game), or one key
// a tick as a tape holds it, and the tape recorded (the play-test).
enum class KeyRule { EveryBinding, TapedOneATick };

class LevelPlayer {
public:
    LevelPlayer(Game& game, LevelScreen& screen, const Hotkeys& keys, LevelOwner& owner,
                KeyRule rule = KeyRule::EveryBinding)
        : game_(game), screen_(screen), keys_(keys), owner_(owner), rule_(rule)
    {
    }

    // Level n from its start, its counters and caption shown; the tape starts afresh.
    void startlevel(int n);
    // After a level start, new or resumed: a level that could not be read
    // leaves the caption as it was.
    void showStartedLevel();
    // A key, the game's code with the modifiers held, in play, paused, after
    // a death or after the level's end; in any other state nothing happens.
    void pressKey(int key, KeyModifiers held);
    // One tick of the world (the rules' Timer1Timer).
    void worldTick();

    void pause();
    void resume();
    // Play stops as the pause key stops it; in any other state nothing happens.
    void pauseIfPlaying();

    void showCounters() { screen_.showCounters(game_.counters); }
    void showLevelCaption() { screen_.showLevelCaption(message::levelCaption(game_.level).in(game_.english)); }

    // The keys of every tick played so far, the key that ended the level last.
    const std::vector<TapeKey>& tape() const { return tape_; }

private:
    void playKeys(int key, KeyModifiers held);
    void everyBinding(const PlayKey& play);
    void tapedKey(const PlayKey& play);
    void pauseKeys(int key);
    void leaveKeys(const PlayKey& play);

    Game& game_;
    LevelScreen& screen_;
    const Hotkeys& keys_;
    LevelOwner& owner_;
    KeyRule rule_;
    TapeKey tickKey_;  // the key taped before the coming tick
    std::vector<TapeKey> tape_;
};

// The play-test without its window: the board under test played as the level
// of its number by the game's own level player, until the player leaves back
// to editing. A death and Enter play the board again from its start; Esc, the
// menu key or the exit key leave at any moment, and Enter after the level's
// end. The keys of every tick are recorded as a tape.
#pragma once

#include "levelplay.h"

#include <string>
#include <vector>

// The play-test's screen, told when the player is done.
class PlayTestScreen : public virtual PlayScreen {
public:
    virtual void playEnded() = 0;
};

class PlayTestFlow : LevelOwner, LevelPictures {
public:
    explicit PlayTestFlow(PlayTestScreen& screen) : screen_(screen) {}
    PlayTestFlow(const PlayTestFlow&) = delete;
    PlayTestFlow& operator=(const PlayTestFlow&) = delete;

    // Starts level `number` of the levels folder afresh, as a new game starts
    // it, with the board given in its place.
    void start(const Picture& board, int number, const std::string& folder, bool english, const Hotkeys& keys);
    // A key of the game's codes with the modifiers held.
    void pressKey(int key, KeyModifiers held);
    // One world tick, as the timer runs it.
    void worldTick() { level_.worldTick(); }

    // The keys of every tick played since the level's last start, the key that
    // ended the level last.
    const std::vector<TapeKey>& tape() const { return level_.tape(); }
    bool won() const { return game.gamestate == LevelEnd; }

private:
    PlayTestScreen& screen_;
    ScreenHost host_{screen_, *this};

public:
    Game game{host_};

private:
    void playFromStart(int number);
    void leave();

    void continueafterlevel() override { leave(); }
    void continueafterdeath() override { playFromStart(game.level); }
    // Only the load and save keys come here, and there are no saved games to
    // lead to.
    void leaveplay(Hotkey) override {}
    // The end of the level says whether a level follows, as the game would.
    bool levelExists(int n) override;
    std::optional<Picture> readLevel(int) override { return board_; }

    Picture board_;
    std::string folder_;
    Hotkeys keys_ = DefaultHotkeys;
    LevelPlayer level_{game, screen_, keys_, *this, KeyRule::TapedOneATick};
};

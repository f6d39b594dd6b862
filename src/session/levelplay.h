// Pause and its end, the same wherever a level is played: in the game and in
// the editor's play-test. The world stops under the pause message, and goes on
// with the message gone.
#pragma once

#include "game.h"

// Where the pause message stands.
class PlayScreen {
public:
    virtual ~PlayScreen() = default;
    // Hides the message panel and stops its animation.
    virtual void closeMessage() = 0;
    virtual void showMessage(const MessageText& message) = 0;
};

class LevelPlay {
public:
    LevelPlay(Game& game, PlayScreen& screen) : game_(game), screen_(screen) {}

    void pause();
    void resume();
    // Play stops as the pause key stops it; in any other state nothing happens.
    void pauseIfPlaying();

private:
    Game& game_;
    PlayScreen& screen_;
};

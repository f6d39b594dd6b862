#include "levelplay.h"

void LevelPlay::pause()
{
    game_.gamestate = Paused;
    game_.setWorldTimer(false);
    screen_.showMessage(message::pause());
}

void LevelPlay::resume()
{
    screen_.closeMessage();
    game_.gamestate = Playing;
    game_.setWorldTimer(true);
}

void LevelPlay::pauseIfPlaying()
{
    if (game_.gamestate == Playing)
        pause();
}

// Enter after a won level and after a death.
#include "session.h"

void Session::continueafterlevel()
{
    front_.closeMessage();
    if (game.nextLevelExists()) {
        forgetSavedGame();
        startlevel(game.level + 1);
    } else {
        menus.endtomenu();
    }
}

void Session::continueafterdeath()
{
    game.setWorldTimer(false);
    front_.closeMessage();
    if (!savename_.empty())  // one that cannot be loaded says so; Enter leads to the main menu
        resumeSavedGame(savename_);
    else if (game.counters.lives >= 1)
        startlevel(game.level);
    else
        menus.endtomenu();
}

// Enter after a won level and after a death.
#include "tform1.h"

void TForm1::continueafterlevel()
{
    closeMessage();
    if (game.nextLevelExists()) {
        forgetSavedGame();
        startlevel(game.level + 1);
    } else {
        menus.endtomenu();
    }
}

void TForm1::continueafterdeath()
{
    game.setWorldTimer(false);
    closeMessage();
    if (!saves_.savename().isEmpty())  // one that cannot be loaded says so; Enter leads to the main menu
        saves_.loadsavegame(saves_.savename(), SavedGameScreens::Mode::Load);
    else if (game.counters.lives >= 1)
        startlevel(game.level);
    else
        menus.endtomenu();
}

// Enter after a won level and after a death, and the keys that leave play.
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

// The pause message goes with the play it stood over.
void Session::leaveplay(Hotkey action)
{
    if (game.gamestate == Paused)
        front_.closeMessage();
    switch (action) {
    case Hotkey::load:
        menus.suspendtomenu(item::LoadList);
        break;
    case Hotkey::save:
        menus.suspendtomenu(item::SaveName);
        break;
    case Hotkey::exit:
        front_.exitGame();
        break;
    default:
        menus.suspendtomenu();
        break;
    }
}

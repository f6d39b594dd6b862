// What the keys ask of the window: the end of the title, the messages, the key
// names, and Enter after a won level or a death.
#include "tform1.h"

#include "messages.h"

void TForm1::FormKeyDown(int key, KeyModifiers shift)
{
    keys.FormKeyDown(key, shift);
}

// Settings that cannot be kept are said as soon as the menu stands.
void TForm1::skipTitle()
{
    titlepanel->hide();
    Timer3->stop();
    game.gamestate = Menu;
    titlestep = 0;
    showPointer(true);
    if (!settings_->writable()) {
        showMessage(message::settingsNotSaved());
        game.gamestate = withMessage(game.gamestate);
    }
}

void TForm1::showKeyNames()
{
    for (int i = 0; i < HotkeyCount; ++i)
        keysmenuKeys[i]->setText(QString::fromStdString(bindings.captions[i]));
}

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

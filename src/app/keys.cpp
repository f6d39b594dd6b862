// The keyboard: what a key does in each state of the game.
#include "tform1.h"

#include "messages.h"
#include "vk.h"

#include <QFileInfo>

void TForm1::FormKeyDown(int key, KeyModifiers shift)
{
    switch (game.gamestate) {
    case Title:
        break;
    case TitleSkippable:
        skipTitle();
        break;
    case MenuMessageInGame:
    case MenuMessage:
        if (key == vk::Enter)
            closeMenuMessage();
        break;
    case Menu:
    case MenuInGame:
        menuKeys(key);
        break;
    case LevelEnd:
        if (key == vk::Enter)
            continueafterlevel();
        break;
    case Paused:
        pauseKeys(key);
        break;
    case Playing:
        playKeys(key, shift);
        break;
    case Dead:
        if (key == vk::Enter)
            continueafterdeath();
        break;
    default:
        break;
    }
}

void TForm1::skipTitle()
{
    titlepanel->hide();
    Timer3->stop();
    game.gamestate = Menu;
    titlestep = 0;
    showPointer(true);
}

// A message over the menus waits for Enter. One that stands over the play
// screen (a saved game that could not be reloaded after a death) leads back to
// the main menu, not to the field of the lost game.
void TForm1::closeMenuMessage()
{
    closeMessage();
    if (menus.playScreenShown())
        menus.endtomenu();
    else
        game.gamestate = game.gamestate == MenuMessageInGame ? MenuInGame : Menu;
}

void TForm1::menuKeys(int key)
{
    if (isKeyName(menus.menuitem)) {
        captureKey(key);
        return;
    }
    switch (key) {
    case vk::Down:
        menus.menunext();
        break;
    case vk::Up:
        menus.menuprevious();
        break;
    case vk::Left:
        menus.menuback();
        break;
    case vk::Right:
        menus.menuopen();
        break;
    case vk::Enter:
        menus.activatemenuitem(menus.menuitem);
        break;
    case vk::Delete:
        if (menus.menuitem == item::LoadList)
            deletesavedgame();
        break;
    default:
        break;
    }
}

// Whatever key comes while a key name is highlighted becomes its binding.
void TForm1::captureKey(int key)
{
    bindings.set_hotkey(menus.menuitem, static_cast<std::uint8_t>(key & 0xff), false);
    showKeyNames();
    menus.endCapture(menus.menuitem);
}

void TForm1::showKeyNames()
{
    for (int i = 0; i < HotkeyCount; ++i)
        keysmenuKeys[i]->setText(QString::fromStdString(bindings.captions[i]));
}

// Each binding is tested in turn with the same key.
void TForm1::pauseKeys(int key)
{
    if (key == binding(bindings.keys, Hotkey::pause)) {
        closeMessage();
        game.gamestate = Playing;
        game.setWorldTimer(true);
    }
    if (key == binding(bindings.keys, Hotkey::menu)) {
        closeMessage();
        menus.suspendtomenu();
    }
    if (key == binding(bindings.keys, Hotkey::exit))
        exitGame();
    if (key == binding(bindings.keys, Hotkey::load)) {
        closeMessage();
        menus.suspendtomenu(item::LoadList);
    }
    if (key == binding(bindings.keys, Hotkey::save)) {
        closeMessage();
        menus.suspendtomenu(item::SaveName);
    }
}

// Each binding is tested on its own, so a key bound to several actions does all of them.
void TForm1::playKeys(int key, KeyModifiers shift)
{
    if (game.player_moved == 1 || key == 0)
        return;
    const int eat = modifierHeld(binding(bindings.keys, Hotkey::cell), shift);
    const int bomb = modifierHeld(binding(bindings.keys, Hotkey::bomb), shift);
    const std::pair<Hotkey, Direction> moves[] = {
        {Hotkey::left, Left}, {Hotkey::right, Right}, {Hotkey::up, Up}, {Hotkey::down, Down}};
    for (const auto& [action, direction] : moves)
        if (key == binding(bindings.keys, action))
            game.moveplayer(direction, eat, bomb);
    if (key == binding(bindings.keys, Hotkey::menu))
        menus.suspendtomenu();
    if (key == binding(bindings.keys, Hotkey::load))
        menus.suspendtomenu(item::LoadList);
    if (key == binding(bindings.keys, Hotkey::save))
        menus.suspendtomenu(item::SaveName);
    if (key == binding(bindings.keys, Hotkey::exit))
        exitGame();
    if (key == binding(bindings.keys, Hotkey::pause)) {
        game.gamestate = Paused;
        game.setWorldTimer(false);
        showMessage(message::pause());
    }
    if (key == binding(bindings.keys, Hotkey::terminate))
        game.selfdestruct();
    refreshCounters();
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
    if (!savename.isEmpty())
        reloadAfterDeath();
    else if (game.counters.lives >= 1)
        startlevel(game.level);
    else
        menus.endtomenu();
}

// A saved game that can no longer be read whole says so over the play screen;
// Enter then leads to the main menu.
void TForm1::reloadAfterDeath()
{
    const QString path = savename;
    if (loadsavegame(path, Load) == LoadResult::Short) {
        showMessage(message::cannotLoadGame(QFileInfo(path).fileName().toStdString()));
        game.gamestate = MenuMessage;
    }
}

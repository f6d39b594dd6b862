// The keyboard and the pads: what a key press does in each state of the game,
// in the order the tests are made. The states of a level's play (play, pause,
// a death, the level's end) are the level player's.
#include "session.h"

namespace {
static_assert(item::LastKeyName - item::FirstKeyName + 1 == HotkeyCount, "a key name for every binding");

// The key names of the Controls panel stand in binding order.
Hotkey bindingShownBy(int keyName)
{
    return static_cast<Hotkey>(keyName - item::FirstKeyName);
}
}  // namespace

void Session::pressKey(int key, KeyModifiers held)
{
    switch (game.gamestate) {
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
    case Title:  // the first run's title takes no key
        break;
    default:
        level_.pressKey(key, held);
        break;
    }
}

// A message over the menus waits for Enter. One that stands over the play
// screen (a saved game that could not be reloaded after a death) leads back to
// the main menu, not to the field of the lost game.
void Session::closeMenuMessage()
{
    closeMessage();
    if (menus.playScreenShown())
        menus.endtomenu();
    else
        game.gamestate = withoutMessage(game.gamestate);
    menuMessageClosed();
}

void Session::menuKeys(int key)
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
void Session::captureKey(int key)
{
    bindings.set_hotkey(bindingShownBy(menus.menuitem), static_cast<std::uint8_t>(key & 0xff), false);
    showKeyNames();
    menus.endCapture(menus.menuitem);
}

#include "dispatch.h"

namespace {
static_assert(item::LastKeyName - item::FirstKeyName + 1 == HotkeyCount, "a key name for every binding");

// The key names of the Controls panel stand in binding order.
Hotkey bindingShownBy(int keyName)
{
    return static_cast<Hotkey>(keyName - item::FirstKeyName);
}
}  // namespace

void KeyDispatch::FormKeyDown(int key, KeyModifiers shift)
{
    switch (game_.gamestate) {
    case TitleSkippable:
        host_.skipTitle();
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
        level_.pressKey(key, shift);
        break;
    }
}

// A message over the menus waits for Enter. One that stands over the play
// screen (a saved game that could not be reloaded after a death) leads back to
// the main menu, not to the field of the lost game.
void KeyDispatch::closeMenuMessage()
{
    host_.closeMessage();
    if (menus_.playScreenShown())
        menus_.endtomenu();
    else
        game_.gamestate = withoutMessage(game_.gamestate);
    host_.menuMessageClosed();
}

void KeyDispatch::menuKeys(int key)
{
    if (isKeyName(menus_.menuitem)) {
        captureKey(key);
        return;
    }
    switch (key) {
    case vk::Down:
        menus_.menunext();
        break;
    case vk::Up:
        menus_.menuprevious();
        break;
    case vk::Left:
        menus_.menuback();
        break;
    case vk::Right:
        menus_.menuopen();
        break;
    case vk::Enter:
        menus_.activatemenuitem(menus_.menuitem);
        break;
    case vk::Delete:
        if (menus_.menuitem == item::LoadList)
            host_.deletesavedgame();
        break;
    default:
        break;
    }
}

// Whatever key comes while a key name is highlighted becomes its binding.
void KeyDispatch::captureKey(int key)
{
    bindings_.set_hotkey(bindingShownBy(menus_.menuitem), static_cast<std::uint8_t>(key & 0xff), false);
    host_.showKeyNames();
    menus_.endCapture(menus_.menuitem);
}

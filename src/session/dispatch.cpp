#include "dispatch.h"

#include <utility>

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
    case LevelEnd:
        if (key == vk::Enter)
            host_.continueafterlevel();
        break;
    case Paused:
        pauseKeys(key);
        break;
    case Playing:
        playKeys(key, shift);
        break;
    case Dead:
        if (key == vk::Enter)
            host_.continueafterdeath();
        break;
    default:  // the first run's title takes no key
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

// Each binding is tested in turn with the same key.
void KeyDispatch::pauseKeys(int key)
{
    if (bound(key, Hotkey::pause))
        play_.resume();
    if (bound(key, Hotkey::menu)) {
        host_.closeMessage();
        menus_.suspendtomenu();
    }
    if (bound(key, Hotkey::exit))
        host_.exitGame();
    if (bound(key, Hotkey::load)) {
        host_.closeMessage();
        menus_.suspendtomenu(item::LoadList);
    }
    if (bound(key, Hotkey::save)) {
        host_.closeMessage();
        menus_.suspendtomenu(item::SaveName);
    }
}

PlayKey playKeyOf(const Hotkeys& keys, int key, KeyModifiers held)
{
    const auto bound = [&](Hotkey action) { return key == binding(keys, action); };
    PlayKey play;
    play.eat = modifierHeld(binding(keys, Hotkey::cell), held);
    play.bomb = modifierHeld(binding(keys, Hotkey::bomb), held);
    const std::pair<Hotkey, Direction> moves[] = {
        {Hotkey::left, Left}, {Hotkey::right, Right}, {Hotkey::up, Up}, {Hotkey::down, Down}};
    for (const auto& [action, direction] : moves)
        if (bound(action))
            play.moves.push_back(direction);
    play.menu = bound(Hotkey::menu);
    play.load = bound(Hotkey::load);
    play.save = bound(Hotkey::save);
    play.exit = bound(Hotkey::exit);
    play.pause = bound(Hotkey::pause);
    play.terminate = bound(Hotkey::terminate);
    return play;
}

// Once the player has acted in a tick every key is lost until the next.
void KeyDispatch::playKeys(int key, KeyModifiers shift)
{
    if (game_.player_moved || key == 0)
        return;
    const PlayKey play = playKeyOf(bindings_.keys, key, shift);
    for (const Direction direction : play.moves)
        game_.moveplayer(direction, play.eat, play.bomb);
    if (play.menu)
        menus_.suspendtomenu();
    if (play.load)
        menus_.suspendtomenu(item::LoadList);
    if (play.save)
        menus_.suspendtomenu(item::SaveName);
    if (play.exit)
        host_.exitGame();
    if (play.pause)
        play_.pause();
    if (play.terminate)
        game_.selfdestruct();
    host_.showCounters();
}

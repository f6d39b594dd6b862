// The keyboard: what a key press does in each state of the game, in the order
// the tests are made. The session answers it through KeyHost.
#pragma once

#include "game.h"
#include "keybindings.h"
#include "levelplay.h"
#include "menus.h"

#include <vector>

class KeyHost : public PlayScreen {
public:
    // The title gives way to the main menu that stands beneath it.
    virtual void skipTitle() = 0;
    virtual void showKeyNames() = 0;
    virtual void showCounters() = 0;
    // Enter after a won level and after a death.
    virtual void continueafterlevel() = 0;
    virtual void continueafterdeath() = 0;
    virtual void deletesavedgame() = 0;
    // Enter has closed a message over the menus: another may follow.
    virtual void menuMessageClosed() = 0;
    virtual void exitGame() = 0;
};

// What a key does in play by the bindings. Each binding is tested on its own,
// so a key bound to several actions does all; the moves come in the order they
// are tried, and only the first of a tick counts.
struct PlayKey {
    std::vector<Direction> moves;
    bool eat = false;   // the modifiers held with the moves
    bool bomb = false;
    bool menu = false, load = false, save = false, exit = false, pause = false, terminate = false;
};
PlayKey playKeyOf(const Hotkeys& keys, int key, KeyModifiers held);

class KeyDispatch {
public:
    KeyDispatch(Game& game, Menus& menus, KeyBindings& bindings, KeyHost& host)
        : game_(game), menus_(menus), bindings_(bindings), host_(host)
    {
    }

    // key is the game's key code, shift the modifiers held with it.
    void FormKeyDown(int key, KeyModifiers shift);
    // Play stops as the pause key stops it; in any other state nothing happens.
    void pauseIfPlaying() { play_.pauseIfPlaying(); }

private:
    bool bound(int key, Hotkey action) const { return key == binding(bindings_.keys, action); }
    void closeMenuMessage();
    void menuKeys(int key);
    void captureKey(int key);
    void pauseKeys(int key);
    void playKeys(int key, KeyModifiers shift);

    Game& game_;
    Menus& menus_;
    KeyBindings& bindings_;
    KeyHost& host_;
    LevelPlay play_{game_, host_};
};

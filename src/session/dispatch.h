// The keyboard: what a key press does in each state of the game, in the order
// the tests are made. The session answers it through KeyHost.
#pragma once

#include "game.h"
#include "keybindings.h"
#include "levelplay.h"
#include "menus.h"

class KeyHost {
public:
    virtual ~KeyHost() = default;
    // The title gives way to the main menu that stands beneath it.
    virtual void skipTitle() = 0;
    virtual void showKeyNames() = 0;
    virtual void deletesavedgame() = 0;
    // Hides the message panel and stops its animation.
    virtual void closeMessage() = 0;
    // Enter has closed a message over the menus: another may follow.
    virtual void menuMessageClosed() = 0;
};

// The states of a level's play (play, pause, a death, the level's end) are the
// level player's.
class KeyDispatch {
public:
    KeyDispatch(Game& game, Menus& menus, KeyBindings& bindings, KeyHost& host, LevelPlayer& level)
        : game_(game), menus_(menus), bindings_(bindings), host_(host), level_(level)
    {
    }

    // key is the game's key code, shift the modifiers held with it.
    void FormKeyDown(int key, KeyModifiers shift);

private:
    void closeMenuMessage();
    void menuKeys(int key);
    void captureKey(int key);

    Game& game_;
    Menus& menus_;
    KeyBindings& bindings_;
    KeyHost& host_;
    LevelPlayer& level_;
};

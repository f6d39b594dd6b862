// What the menus do: the highlight, the panels opening and closing, the items
// performed by keys and by the mouse, and the switches between the menus and
// play. The session answers them through MenuHost.
#pragma once

#include "game.h"
#include "menuitems.h"
#include "skinsmenu.h"

#include <string>

class MenuHost {
public:
    virtual ~MenuHost() = default;

    // Looks and panels.
    virtual void setItemLook(int id, bool highlighted, bool usable) = 0;
    virtual void setPanelVisible(Panel panel, bool visible) = 0;
    // Lists and the edit box (20, 30, 31, 100) take the keyboard focus when highlighted.
    virtual void focusItem(int id) = 0;
    // Reads the saved games again into list 20 or 31, with no entry selected.
    virtual void refreshSaveList(int id) = 0;
    // The play screen (status bar and field, pointer hidden) or the menus'
    // (background picture, pointer shown).
    virtual void showScreen(bool play) = 0;
    virtual bool externalLevelExists(int n) = 0;
    virtual void showExternalLevelCount(int count) = 0;

    // What the items do beyond the menus.
    virtual void forgetSavedGame() = 0;  // a new game does not reload an old save after a death
    virtual void startlevel(int n) = 0;
    // The selected saved game resumed, or the game saved under the typed name;
    // false when nothing was done (what went wrong is said by the host).
    virtual bool loadSelectedGame() = 0;
    virtual bool saveUnderTypedName() = 0;
    // Copies the save list's selected entry (the first when none is) into the
    // edit box; false when the list is empty.
    virtual bool copySaveSelection() = 0;
    virtual void setlanguage() = 0;
    // Opens a page of the game's site in the browser; false when none took it.
    virtual bool openwebpage(const std::string& page) = 0;
    // A message over the menus, waiting for Enter.
    virtual void sayOverMenus(const MessageText& message) = 0;
    // The skins preview's animation: switched, or stopped to start afresh.
    virtual void runSkinPreview(bool on) = 0;
    virtual void stopSkinPreview() = 0;
    virtual void exitGame() = 0;
};

class Menus {
public:
    Menus(Game& game, MenuHost& host, SkinsMenu& skins) : game_(game), host_(host), skins_(skins) {}

    // Moves the highlight from `previous` to `next`, showing or hiding `panel` between.
    void ShowMenu(Panel panel, bool visible, int previous, int next);
    void ShowMenu(int previous, int next) { ShowMenu(Panel::None, false, previous, next); }

    // Leaving play for the menus: with nothing open, or with the load or save panel open.
    void suspendtomenu(int openItem = 0);
    // The game is over: the main menu in its no-game form.
    void endtomenu();
    void showplayscreen();
    bool playScreenShown() const { return playScreen_; }

    // Keyboard: Down, Up, Left, Right and Enter.
    void menunext();
    void menuprevious();
    void menuback();
    void menuopen();
    void activatemenuitem(int id);
    // Key capture ended on the key name `keyName`: back to its action line.
    void endCapture(int keyName) { ShowMenu(keyName, keyName - item::KeyNameOffset); }

    // Mouse and focus, by the id of the widget.
    void menu1Click(int id);
    void menu1DblClick(int id);
    // Tab between two focusable widgets of a panel moves the highlight along.
    void focusMovedTo(int id);

    // The look of the main items whose use depends on whether a game is suspended.
    void showGameItems();

    int menuitem = item::NewGame;

private:
    bool live() const { return game_.gamestate == Menu || game_.gamestate == MenuInGame; }
    bool isUsable(int id);
    void leaveFor(int id);
    void moveTo(int id);
    void openPanelOf(int mainItem);
    void openSavePanel(int previous);
    void startGame(bool internal);
    // The play screen again, the world running, the highlight from `from` back
    // on New game and the panel closed.
    void backToPlay(Panel panel, int from);
    void countExternalLevels();
    void openPage(const std::string& name);
    std::string page(const char* english, const char* russian) const;

    Game& game_;
    MenuHost& host_;
    SkinsMenu& skins_;
    bool playScreen_ = false;
};

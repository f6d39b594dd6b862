// The game's flow, from the title to the exit: the core game, the menus, what
// a key or a pad's button does, saving and loading, what follows a won level
// or a death, pause, the title and the skins preview, and the messages over
// the menus. No toolkit: the window (and the tests) show it through FrontEnd
// and keep the player's files through PlayerFiles.
#pragma once

#include "frontend.h"
#include "game.h"
#include "keybindings.h"
#include "levelplay.h"
#include "menus.h"
#include "padkeys.h"
#include "titleandpreview.h"

#include <deque>
#include <string>
#include <vector>

class Session : MenuHost, LevelOwner, TitleScreen, public GamepadHost {
public:
    Session(FrontEnd& front, PlayerFiles& files, SkinsHost& skinsPanel);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // What the settings hold at start-up, and whether they can be kept.
    struct Start {
        bool firstRun = true;  // the title cannot be skipped
        bool english = true;
        Hotkeys hotkeys = DefaultHotkeys;
        bool settingsKept = true;
        std::vector<std::string> foldersNotMade{};  // of the player's: save, levels, skins
        bool stopsHeard = true;  // a stop from outside keeps the settings
    };
    // The title starts, in the stored language with the stored keys.
    void start(const Start& settings);

    // A key press: the game's key code and the modifiers held (the rules'
    // FormKeyDown). A pad's button is one too.
    void pressKey(int key, KeyModifiers held);
    void padKey(int key, KeyModifiers held) override { pressKey(key, held); }
    void padConnected(const std::string& name) override;
    void padLost() override;

    // One tick of the world (the rules' Timer1Timer) and of the interface (Timer3Timer).
    void worldTick() { level_.worldTick(); }
    void interfaceTick() { title_.Timer3Timer(); }

    // The title gives way to the main menu that stands beneath it.
    void skipTitle() { title_.endTitle(); }
    // A level from its start, and its counters and caption shown.
    void startlevel(int n) override { level_.startlevel(n); }
    // Saving the game and resuming a saved one, by its file name in the save
    // folder; a failure is said over the menus, and false comes back. The
    // menus go back to the play screen themselves.
    bool saveGame(const std::string& name);
    bool resumeSavedGame(const std::string& name);
    // The save list's selected entry into the name box.
    bool copySaveSelection() override;

    // The saved game the play came from: a death reloads it, until the next
    // level or a new game forgets it.
    const std::string& savename() const { return savename_; }
    const TitleAndPreview& title() const { return title_; }

private:
    FrontEnd& front_;
    PlayerFiles& files_;
    ScreenHost host_{front_, files_};

public:
    Game game{host_};
    KeyBindings bindings;
    SkinsMenu skins;
    Menus menus{game, *this, skins};

private:
    // What the menus ask.
    void setItemLook(int id, bool highlighted, bool usable) override
    {
        front_.setItemLook(id, highlighted, usable);
    }
    void setPanelVisible(Panel panel, bool visible) override { front_.setPanelVisible(panel, visible); }
    void focusItem(int id) override { front_.focusItem(id); }
    void refreshSaveList(int list) override;
    void showScreen(bool play) override { front_.showScreen(play); }
    bool externalLevelExists(int n) override { return files_.levelExists(n); }
    void showExternalLevelCount(int count) override { front_.showExternalLevelCount(count); }
    void forgetSavedGame() override { savename_.clear(); }
    bool loadSelectedGame() override;
    bool saveUnderTypedName() override;
    void setlanguage() override;
    bool openwebpage(const std::string& page) override { return front_.openwebpage(page); }
    void sayOverMenus(const MessageText& message) override;
    void runSkinPreview(bool on) override { front_.runClock(Clock::Interface, on); }
    void stopSkinPreview() override { title_.stopPreview(); }
    void exitGame() override { front_.exitGame(); }

    // The keys over the title and the menus (dispatch.cpp).
    void closeMenuMessage();
    // Enter has closed a message over the menus: another may follow.
    void menuMessageClosed();
    void menuKeys(int key);
    void captureKey(int key);
    void closeMessage() { front_.closeMessage(); }
    void showKeyNames() { front_.showKeyNames(bindings.captions); }
    void deletesavedgame();

    // What the level's play asks: the game goes on to the next level or the
    // menus, reloads or restarts after a death, and leaves play for its menus.
    void continueafterlevel() override;
    void continueafterdeath() override;
    void leaveplay(Hotkey action) override;

    // What the title and the preview ask.
    bool showTitleStep(int step) override { return front_.showTitleStep(step); }
    void titleEnded() override;
    void showPreviewStep(int step) override { front_.showPreviewStep(step); }
    void runInterfaceTimer(bool on) override { front_.runClock(Clock::Interface, on); }

    std::string chosenEntry(int list);

    LevelPlayer level_{game, front_, bindings.keys, *this};
    TitleAndPreview title_{game, *this};
    std::string savename_;
    // What went wrong at start-up, said one after another once the menu stands.
    std::deque<MessageText> startupProblems_;
};

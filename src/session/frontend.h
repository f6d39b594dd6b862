// What the game's flow asks of whoever shows it (the game's window, the
// session's tests): one interface for the screen, its timers and its boxes, and
// a small one for the player's files.
#pragma once

#include "game.h"
#include "hotkeys.h"
#include "levelplay.h"
#include "menuitems.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The player's saved games, by file name in the save folder, and his levels.
class PlayerFiles : public LevelPictures {
public:
    // The saved games, sorted without case; none when the folder is missing.
    virtual std::vector<std::string> savedGames() = 0;
    virtual bool savedGameExists(const std::string& name) = 0;
    // The whole file, or nothing when it cannot be read.
    virtual std::optional<std::vector<std::uint8_t>> readSavedGame(const std::string& name) = 0;
    // Replaces the file whole; false leaves the game saved before unharmed.
    virtual bool writeSavedGame(const std::string& name, std::span<const std::uint8_t> bytes) = 0;
    // False when the file is still there afterwards.
    virtual bool removeSavedGame(const std::string& name) = 0;
    // A save folder that is a link leads out of the player's folders: nothing
    // is written or removed through it.
    virtual bool savedGamesFolderIsLink() = 0;
};

// The play screen with the menus, the title and the boxes around it.
class FrontEnd : public virtual PlayScreen {
public:
    // The message panel's progress bar under a caption.
    virtual void showProgress(const MessageText& caption) = 0;
    virtual void setProgress(int step) = 0;
    virtual void hideProgress() = 0;

    // The menus: looks, panels, focus, and the screen behind them, the play
    // screen (status bar and field, pointer hidden) or the menus' (background
    // picture, pointer shown).
    virtual void setItemLook(int id, bool highlighted, bool usable) = 0;
    virtual void setPanelVisible(Panel panel, bool visible) = 0;
    virtual void focusItem(int id) = 0;
    virtual void showScreen(bool play) = 0;
    virtual void showCaptions(bool english) = 0;
    virtual void showKeyNames(const std::array<std::string, HotkeyCount>& names) = 0;
    virtual void showExternalLevelCount(int count) = 0;

    // The load list or the save list (item::LoadList, item::SaveList): its
    // entries, none selected; the selected entry, or "" for none; the first
    // selected, false when the list is empty. The name box of the save panel.
    virtual void showEntries(int list, const std::vector<std::string>& entries) = 0;
    virtual std::string selectedEntry(int list) = 0;
    virtual bool selectFirstEntry(int list) = 0;
    virtual std::string typedName() = 0;
    virtual void setTypedName(const std::string& name) = 0;

    // The title's step `step`, true on the step that ends it; the title gone;
    // the skins preview's step.
    virtual bool showTitleStep(int step) = 0;
    virtual void hideTitle() = 0;
    virtual void showPreviewStep(int step) = 0;

    // Opens a page of the game's site in the browser; false when none took it.
    virtual bool openwebpage(const std::string& page) = 0;
    virtual void exitGame() = 0;
};

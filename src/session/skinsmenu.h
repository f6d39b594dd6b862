// The skins menu: the built-in sheet and the skin files, the preview of the
// highlighted entry, and loading the chosen one as the active skin. The skins
// panel shows it through SkinsHost; its preview runs and its messages are said
// through the menus' host.
#pragma once

#include "game.h"
#include "messages.h"

#include <optional>
#include <string>
#include <vector>

// The built-in sheet stands first in the list; a skin file is named by its
// file name in the skins folder, none standing for the built-in sheet.
constexpr int DefaultSkinEntry = 0;
using SkinFile = std::optional<std::string>;

class SkinsHost {
public:
    virtual ~SkinsHost() = default;
    // The skin files of the skins folder, sorted without case; none when the
    // folder is missing.
    virtual std::vector<std::string> skinFiles() = 0;
    virtual void showSkinEntries(const std::vector<std::string>& entries) = 0;
    virtual int selectedSkinEntry() = 0;  // -1 when none is
    virtual void selectSkinEntry(int entry) = 0;
    virtual SkinFile activeSkinFile() = 0;
    // Makes the skin the active one; false when its file cannot be read, and
    // then nothing changes.
    virtual bool useSkin(const SkinFile& file) = 0;
    // The preview: cleared, then given the skin's sheet (false, keeping the old
    // sheet, when the file cannot be read), or the active skin's.
    virtual bool previewSkin(const SkinFile& file) = 0;
    virtual void previewActiveSkin() = 0;
    virtual void showUnreadablePreview(bool shown) = 0;
};

class MenuHost;

class SkinsMenu {
public:
    SkinsMenu(Game& game, SkinsHost& panel, MenuHost& menus) : game_(game), host_(panel), menus_(menus) {}

    // Rebuilds the list from the skins folder.
    void fill();
    // Selects the entry of the active skin (none when its file is no longer
    // listed) and previews the active skin.
    void selectActive();
    void previewSelected();
    // The highlighted list performed: loads the selected skin and says so.
    void loadskin();

private:
    SkinFile fileOf(int entry) const;
    int entryOf(const std::string& file) const;

    Game& game_;
    SkinsHost& host_;
    MenuHost& menus_;
    std::vector<std::string> entries_;
};

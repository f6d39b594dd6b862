// Menu and skins hosts that record what the menus ask of the window, shared by
// the tests of the menus and of the keyboard.
#pragma once

#include "menus.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

struct Look {
    bool highlighted = false;
    bool usable = true;
    friend bool operator==(Look, Look) = default;
};
constexpr Look White{false, true}, Gray{false, false}, Aqua{true, true}, Silver{true, false};

class RecordingMenuHost : public MenuHost {
public:
    std::map<int, Look> looks;
    std::map<Panel, bool> panels;
    std::vector<std::string> events;  // the order things happened in
    std::set<int> externalLevels;
    int externalCount = -1;
    bool playScreen = false;
    bool saveListEmpty = false;

    void setItemLook(int id, bool highlighted, bool usable) override { looks[id] = {highlighted, usable}; }
    void setPanelVisible(Panel panel, bool visible) override
    {
        panels[panel] = visible;
        events.push_back((visible ? "show " : "hide ") + std::to_string(int(panel)));
    }
    void focusItem(int id) override { events.push_back("focus " + std::to_string(id)); }
    void refreshSaveList(int id) override { events.push_back("refresh " + std::to_string(id)); }
    void showScreen(bool play) override { playScreen = play; }
    bool externalLevelExists(int n) override { return externalLevels.contains(n); }
    void showExternalLevelCount(int count) override { externalCount = count; }
    void forgetSavedGame() override { events.push_back("forget"); }
    void startlevel(int n) override { events.push_back("start " + std::to_string(n)); }
    bool loadSelectedGame() override
    {
        events.push_back("load");
        return false;
    }
    bool saveUnderTypedName() override
    {
        events.push_back("save");
        return false;
    }
    bool copySaveSelection() override { return !saveListEmpty; }
    void setlanguage() override { events.push_back("language"); }
    bool pagesOpen = true;  // whether a browser takes the pages
    bool openwebpage(const std::string& page) override
    {
        events.push_back(page);
        return pagesOpen;
    }
    void sayOverMenus(const MessageText& message) override { events.push_back(message.english); }
    bool previewRunning = false;
    void runSkinPreview(bool on) override
    {
        previewRunning = on;
        if (on)
            events.push_back("preview");
    }
    void stopSkinPreview() override { events.push_back("stop preview"); }
    void exitGame() override { events.push_back("exit"); }

    bool happened(const std::string& event) const
    {
        return std::find(events.begin(), events.end(), event) != events.end();
    }
};

// A skins folder and the skin in use, with the list as the player sees it.
class RecordingSkinsHost : public SkinsHost {
public:
    std::vector<std::string> files;
    std::vector<std::string> shown;
    int selected = -1;
    SkinFile active;
    std::vector<std::string> unreadable;  // files that are no pictures
    SkinFile previewed;
    bool unreadableShown = false;
    std::vector<std::string>* events = nullptr;

    std::vector<std::string> skinFiles() override
    {
        events->push_back("skins list");
        return files;
    }
    void showSkinEntries(const std::vector<std::string>& entries) override { shown = entries; }
    int selectedSkinEntry() override { return selected; }
    void selectSkinEntry(int entry) override { selected = entry; }
    SkinFile activeSkinFile() override { return active; }
    bool useSkin(const SkinFile& file) override
    {
        if (file && !readable(*file))
            return false;
        active = file;
        return true;
    }
    bool previewSkin(const SkinFile& file) override
    {
        if (file && !readable(*file))
            return false;
        previewed = file;
        return true;
    }
    void previewActiveSkin() override { previewed = active; }
    void showUnreadablePreview(bool shown_) override { unreadableShown = shown_; }

private:
    bool readable(const std::string& file) const
    {
        return std::find(unreadable.begin(), unreadable.end(), file) == unreadable.end();
    }
};

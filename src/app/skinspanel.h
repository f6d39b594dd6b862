// The skins panel on screen: the list of skins, the preview of the highlighted
// one with the line that says when it cannot be read, and the active skin
// changed from it. It answers the skins menu; the window redraws itself in a
// new skin through SkinsWindow.
#pragma once

#include "gamefolders.h"
#include "skin.h"
#include "skinsmenu.h"

class QLabel;
class QListWidget;
class QPoint;
class SkinPreview;

class SkinsWindow {
public:
    virtual ~SkinsWindow() = default;
    virtual void applySkin() = 0;  // the active skin has changed
};

// The panel's widgets, as the window's layout makes them.
struct SkinsPanelWidgets {
    QListWidget* list;
    QListWidget* files;  // never seen: it only supplies the skin files
    SkinPreview* preview;
    QLabel* error;  // below the panel, when a skin file cannot be read
};

class SkinsPanel : public SkinsHost {
public:
    SkinsPanel(const Game& game, Skin& active, const GameFolders& folders, SkinsWindow& window)
        : game_(game), active_(active), folders_(folders), window_(window)
    {
    }

    void attach(const SkinsPanelWidgets& widgets) { widgets_ = widgets; }
    QListWidget* list() const { return widgets_.list; }
    QListWidget* files() const { return widgets_.files; }
    void placeErrorAt(const QPoint& place);
    void hideError();
    void showPreviewStep(int step);

    std::vector<std::string> skinFiles() override;
    void showSkinEntries(const std::vector<std::string>& entries) override;
    int selectedSkinEntry() override;
    void selectSkinEntry(int entry) override;
    SkinFile activeSkinFile() override;
    bool useSkin(const SkinFile& file) override;
    bool previewSkin(const SkinFile& file) override;
    void previewActiveSkin() override;
    void showUnreadablePreview(bool shown) override;

private:
    std::string skinPath(const std::string& file) const;

    const Game& game_;
    Skin& active_;
    const GameFolders& folders_;
    SkinsWindow& window_;
    Skin preview_;  // previewImage: the sheet the preview shows
    SkinsPanelWidgets widgets_{};
};

// Saved games on screen: saving and loading with the progress panel and their
// messages, the two lists of the save folder, deleting, and the saved game a
// death reloads. It decides what happens; the window shows it, through
// SavedGameView.
#pragma once

#include "game.h"
#include "menus.h"

#include <QString>
#include <QStringList>

class SavedGameView {
public:
    virtual ~SavedGameView() = default;
    // The message panel with its progress bar, under a caption.
    virtual void showProgress(const MessageText& caption) = 0;
    virtual void setProgress(int step) = 0;
    virtual void hideProgress() = 0;
    virtual void showMessage(const MessageText& message) = 0;
    // The load list or the save list (item::LoadList, item::SaveList): its
    // entries, none selected; the selected entry, or nothing.
    virtual void showEntries(int list, const QStringList& entries) = 0;
    virtual QString selectedEntry(int list) = 0;
    // Selects the first entry; false when the list is empty.
    virtual bool selectFirstEntry(int list) = 0;
    // The name box of the save panel.
    virtual QString typedName() = 0;
    virtual void setTypedName(const QString& name) = 0;
    virtual void startlevel(int n) = 0;
};

class SavedGameScreens {
public:
    enum class Mode { Save, Load };

    SavedGameScreens(Game& game, Menus& menus, SavedGameView& view, QString folder)
        : game_(game), menus_(menus), view_(view), folder_(std::move(folder))
    {
    }

    // Saves the game to the file at path, or loads it from there. A failure is
    // said in the message panel over the menus, and false comes back.
    bool loadsavegame(const QString& path, Mode mode);

    void refresh(int list);
    // The load list performed: the selected entry (the first when none is).
    void loadSelectedGame();
    // The name box performed.
    void saveUnderTypedName();
    // The save list's entry into the name box; false when the list is empty.
    bool copySaveSelection();
    void deletesavedgame();

    // The saved game the play came from: a death reloads it, until the next
    // level or a new game forgets it.
    const QString& savename() const { return savename_; }
    void forgetSavedGame() { savename_.clear(); }

private:
    bool saveGame(const QString& path);
    bool loadGame(const QString& path);
    QString pathOf(const QString& entry) const { return folder_ + "/" + entry; }
    QString chosenEntry(int list);

    Game& game_;
    Menus& menus_;
    SavedGameView& view_;
    QString folder_;
    QString savename_;
};

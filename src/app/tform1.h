// TForm1, the game's one window: every panel, label, list and picture of the
// screen and its three timers. It is the session's front end: the session
// decides, the window shows, and Qt's events come in through its handlers.
#pragma once

#include "fieldwidget.h"
#include "gamefolders.h"
#include "gamepads.h"
#include "layout.h"
#include "messagedisplay.h"
#include "playerfolder.h"
#include "playpanels.h"
#include "session.h"
#include "settings.h"
#include "skin.h"
#include "skinspanel.h"
#include "statusbar.h"
#include "title.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class TForm1 : public QWidget, public FrontEnd, PlayPanels, SkinsWindow {
    Q_OBJECT

public:
    // The window covers a screen of the given size; the game's files live in
    // the folders given. stopsHeard: a stop from outside reaches exitGame.
    TForm1(QSize screen, const GameFolders& folders, bool stopsHeard = true);
    ~TForm1() override;

    // The session is ending or the process was asked to stop: the settings are
    // written now and the window may close.
    void FormClose();
    bool FormCloseQuery() const;
    // The game's own exit, the one way the window closes.
    void exitGame() override;
    // The active skin has changed: the status bar and the message panel take it.
    void applySkin() override;

    // The timers' handlers: the world's tick (with the pads polled), the
    // message panel's animation, the title's and the skins preview's step.
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();

    Session& session() { return session_; }

    Skin skin;

private:
    GameFolders folders_;
    PlayerFolder files_{folders_};
    Session session_{*this, files_, skinsPanel_};
    SkinsPanel skinsPanel_{session_.game, skin, folders_, *this};

public:
    Gamepads pads{session_.game, session_.bindings.keys, session_};

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The window's widgets and timers; tests find each by its object name.
    WindowWidgets ui_;
    QTimer* worldTimer_;      // "Timer1"
    QTimer* messageTimer_;    // "Timer2"
    QTimer* interfaceTimer_;  // "Timer3"

    // What the session asks of the window.
    void runClock(Clock clock, bool on) override;
    void showProgress(const MessageText& caption) override;
    void setProgress(int step) override;
    void hideProgress() override;
    void setItemLook(int id, bool highlighted, bool usable) override;
    void setPanelVisible(Panel panel, bool visible) override;
    void focusItem(int id) override;
    void showScreen(bool play) override;
    void showCaptions(bool english) override;
    void showKeyNames(const std::array<std::string, HotkeyCount>& names) override;
    void showExternalLevelCount(int count) override;
    void showEntries(int list, const std::vector<std::string>& entries) override;
    std::string selectedEntry(int list) override;
    bool selectFirstEntry(int list) override;
    std::string typedName() override;
    void setTypedName(const std::string& name) override;
    bool showTitleStep(int step) override;
    void hideTitle() override;
    void showPreviewStep(int step) override;
    bool openwebpage(const std::string& page) override;

    // The keyboard, with the game's key code and the held modifiers.
    void FormKeyDown(int key, KeyModifiers shift);
    // Mouse, focus and key-release handlers of the menus.
    using Handler = void (TForm1::*)(QWidget*);
    void menu1Click(QWidget* sender);
    void menu1DblClick(QWidget* sender);
    void focusEntered(QWidget* sender);
    void savemenu2Click(QWidget* sender);
    void skinsmenu1Click(QWidget* sender);
    void skinsmenu1KeyUp(int key);

    struct MouseWiring {
        QWidget* sender = nullptr;
        Handler click = nullptr;
        Handler dblclick = nullptr;
        bool passOn = false;  // lists and the edit box still handle the mouse themselves
    };

    void createTimers();
    void findMenuItems();
    void wireEvents();
    void wire(QWidget* widget, Handler click, Handler dblclick);
    void wireList(QListWidget* list, Handler click, Handler dblclick);
    bool mouseEvent(QObject* receiver, QEvent::Type type);
    int itemOf(QWidget* widget) const;
    QListWidget* savedGameList(int list) const;

    void FormCreate();
    void showPointer(bool shown);

    QSize screen_;
    QHash<QObject*, MouseWiring> mouse_;
    QHash<int, QWidget*> items_;
    QHash<QWidget*, int> itemIds_;
    bool pointerHidden_ = false;
    bool pressPending_ = false;  // a key press has come in and not yet been acted on
    bool may_close_ = false;     // only the game's own exit closes the window
    bool stopsHeard_;
    std::unique_ptr<SettingsStore> settings_;
};

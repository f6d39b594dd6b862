// TForm1, the game's one window: every panel, label, list and picture of the
// screen, the three timers, and the glue between them, the game core and the
// menus.
#pragma once

#include "dispatch.h"
#include "fieldwidget.h"
#include "game.h"
#include "gamefolders.h"
#include "gamepads.h"
#include "host.h"
#include "keybindings.h"
#include "menus.h"
#include "messagedisplay.h"
#include "settings.h"
#include "savedgamescreens.h"
#include "skin.h"
#include "skinspanel.h"
#include "statusbar.h"
#include "title.h"
#include "titleandpreview.h"

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
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TForm1 : public QWidget,
               public GameHost,
               public MenuHost,
               public SkinsWindow,
               public KeyHost,
               public GamepadHost,
               public SavedGameView,
               public TitleScreen {
    Q_OBJECT

public:
    // The window covers a screen of the given size; the game's files live in
    // the folders given.
    TForm1(QSize screen, const GameFolders& folders);
    ~TForm1() override;

    // What the game core asks of the window.
    void drawitem(int spritecol, int spriterow, int x, int y) override;
    void showmessageimage(const std::string& english, const std::string& russian) override;
    void setWorldTimer(bool on) override;
    void placeField(int left, int top) override;
    bool levelExists(int n) override;
    std::optional<Picture> readLevel(int n) override;

    // What the menus ask of the window.
    void setItemLook(int id, bool highlighted, bool usable) override;
    void setPanelVisible(Panel panel, bool visible) override;
    void focusItem(int id) override;
    void refreshSaveList(int id) override;
    void showScreen(bool play) override;
    bool externalLevelExists(int n) override;
    void showExternalLevelCount(int count) override;
    void forgetSavedGame() override;
    void startlevel(int n) override;
    void loadSelectedGame() override;
    void saveUnderTypedName() override;
    bool copySaveSelection() override;
    void setlanguage() override;
    bool openwebpage(const std::string& page) override;
    void stopSkinPreview() override;
    void exitGame() override;
    // What the skins panel asks of the window.
    void runPreview(bool on) override;

    // The session is ending or the process was asked to stop: the settings are
    // written now and the window may close.
    void FormClose();
    bool FormCloseQuery() const;

    // What the keys ask of the window.
    void skipTitle() override;
    void closeMessage() override;
    void showMessage(const MessageText& message) override;
    void showKeyNames() override;
    void showCounters() override;
    void continueafterlevel() override;
    void continueafterdeath() override;
    void deletesavedgame() override;

    // The keyboard, with the game's key code and the held modifiers.
    void FormKeyDown(int key, KeyModifiers shift);

    // What the gamepads ask of the window.
    void padKey(int key, KeyModifiers held) override;
    void padConnected(const std::string& name) override;
    void padLost() override;
    void applySkin() override;

    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();

    // Mouse, focus and key-release handlers of the menus.
    void menu1Click(QWidget* sender);
    void menu1DblClick(QWidget* sender);
    void savemenu1Enter(QWidget* sender);
    void savemenu2Enter(QWidget* sender);
    void savemenu2Click(QWidget* sender);
    void skinsmenu1Click(QWidget* sender);
    void skinsmenu1KeyUp(QWidget* sender, int key, KeyModifiers shift);
    void skinsmenu1Enter(QWidget* sender);
    void skinsfilelistEnter(QWidget* sender);

    // What the saved-game screens ask of the window.
    void showProgress(const MessageText& caption) override;
    void setProgress(int step) override;
    void hideProgress() override;
    void showEntries(int list, const QStringList& entries) override;
    QString selectedEntry(int list) override;
    bool selectFirstEntry(int list) override;
    QString typedName() override;
    void setTypedName(const QString& name) override;

    SavedGameScreens& saves() { return saves_; }

    // What the title and the preview ask of the window.
    bool showTitleStep(int step) override;
    void titleEnded() override;
    void showPreviewStep(int step) override;
    void runInterfaceTimer(bool on) override;

    const TitleAndPreview& title() const { return title_; }

    Skin skin;
    Game game{*this};

private:
    // Before the skins menu, which answers through the panel.
    GameFolders folders_;
    SkinsPanel skinsPanel_{game, skin, folders_, *this};

public:
    SkinsMenu skins{game, skinsPanel_};
    Menus menus{game, *this, skins};
    KeyBindings bindings;
    KeyDispatch keys{game, menus, bindings, *this};
    Gamepads pads{game, bindings.keys, *this};

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The window's widgets and timers; tests find each by its object name.
    QLabel* paper;
    FieldWidget* gamefield;
    QFrame* newbevel;
    QLabel* newmenu1;
    QLabel* newmenu2;
    QFrame* loadbevel;
    QListWidget* loadmenu;
    QFrame* savebevel;
    QLineEdit* savemenu1;
    QListWidget* savemenu2;
    QFrame* keysbevel;
    std::array<QLabel*, HotkeyCount> keysmenu{};      // keysmenu1 ... keysmenu12
    std::array<QLabel*, HotkeyCount> keysmenuKeys{};  // keysmenu1_1 ... keysmenu12_12
    std::array<QLabel*, HotkeyCount> keysmenuPad{};   // keysmenu1_pad ... keysmenu12_pad
    QFrame* aboutbevel;
    QLabel* aboutmenu1;
    QLabel* aboutmenu1_1;
    QLabel* aboutmenu2;
    QLabel* aboutmenu2_2;
    QLabel* aboutmenu3;
    QFrame* mainbevel;
    QLabel* menu1;
    QLabel* menu2;
    QLabel* menu110;
    QLabel* menu3;
    QLabel* menu4;
    QLabel* menu5;
    QLabel* menu6;
    QLabel* menu7;
    QLabel* menu8;
    QLabel* menu9;
    QFrame* languagebevel;
    QLabel* Image1;
    QLabel* languagemenu1;
    QLabel* Image2;
    QLabel* languagemenu2;
    StatusBar* TopPanel;
    MessageDisplay* MessagePanel;
    QFrame* titlepanel;
    QLabel* titlename;
    QLabel* titlepresents;
    QFrame* skinsbevel;
    QLabel* skinsmenu2;
    QGroupBox* GroupBox1;
    QTimer* Timer1;
    QTimer* Timer2;
    QTimer* Timer3;

    using Handler = void (TForm1::*)(QWidget*);
    struct MouseWiring {
        QWidget* sender = nullptr;
        Handler click = nullptr;
        Handler dblclick = nullptr;
        bool passOn = false;  // lists and the edit box still handle the mouse themselves
    };

    // Each menu panel and the frame that shows it.
    std::vector<std::pair<Panel, QFrame*>> panelFrames() const;
    void createMenus();
    void createSubmenus();
    void createTitle();
    void createSkinsMenu();
    void createTimers();
    void findMenuItems();
    void wireEvents();
    void wire(QWidget* widget, Handler click, Handler dblclick);
    void wireList(QListWidget* list, Handler click, Handler dblclick);
    bool mouseEvent(QObject* receiver, QEvent::Type type);
    int itemOf(QWidget* widget) const;

    void FormCreate();
    void placeWidgets();
    void showPointer(bool shown);
    void readSettings();

    void showLevelCaption();
    std::string levelsFolder() const;

    QSize screen_;
    QHash<QObject*, MouseWiring> mouse_;
    QHash<QObject*, Handler> focus_;
    QHash<int, QWidget*> items_;
    QHash<QWidget*, int> itemIds_;
    bool pointerHidden_ = false;
    bool pressPending_ = false;
    QListWidget* savedGameList(int list) const;  // a key press has come in and not yet been acted on
    bool may_close_ = false;  // only the game's own exit closes the window
    std::unique_ptr<SettingsStore> settings_;
    SavedGameScreens saves_{game, menus, *this, folders_.players("save")};
    TitleAndPreview title_{game, *this};

};

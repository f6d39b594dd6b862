// TForm1, the game's one window: every panel, label, list and picture of the
// screen, the three timers, and the glue between them and the game core.
#pragma once

#include "fieldwidget.h"
#include "game.h"
#include "host.h"
#include "hotkeys.h"
#include "messagedisplay.h"
#include "skin.h"
#include "statusbar.h"

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
#include <optional>
#include <string>

class TForm1 : public QWidget, public GameHost {
    Q_OBJECT

public:
    // The window covers a screen of the given size; the game's files live in
    // the levels, skins and save folders of gameFolder (the executable's folder).
    TForm1(QSize screen, const QString& gameFolder);
    ~TForm1() override;

    // What the game core asks of the window.
    void drawitem(int spritecol, int spriterow, int x, int y) override;
    void showmessageimage(const std::string& english, const std::string& russian) override;
    void setWorldTimer(bool on) override;
    void placeField(int left, int top) override;
    bool levelExists(int n) override;
    std::optional<Picture> readLevel(int n) override;

    // The keyboard, with the game's key code and the held modifiers.
    void FormKeyDown(int key, KeyModifiers shift);
    void drawtoppanel();

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

    Skin skin;
    Game game{*this};
    Hotkeys hotkeys = DefaultHotkeys;
    std::uint8_t menuitem = 0;

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
    QListWidget* skinsmenu1;
    QLabel* skinsmenu2;
    QGroupBox* GroupBox1;
    QLabel* skinpreview;
    QListWidget* skinsfilelist;
    QTimer* Timer1;
    QTimer* Timer2;
    QTimer* Timer3;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    using Handler = void (TForm1::*)(QWidget*);
    struct MouseWiring {
        QWidget* sender = nullptr;
        Handler click = nullptr;
        Handler dblclick = nullptr;
        bool passOn = false;  // lists and the edit box still handle the mouse themselves
    };

    void createMenus();
    void createSubmenus();
    void createTitle();
    void createSkinsMenu();
    void createTimers();
    void wireEvents();
    void wire(QWidget* widget, Handler click, Handler dblclick);
    void wireList(QListWidget* list, Handler click, Handler dblclick);
    bool mouseEvent(QObject* receiver, QEvent::Type type);
    bool isKeyTarget(QObject* receiver) const;

    void FormCreate();
    void placeWidgets();
    void makeFolders();

    void skipTitle();
    void menuKeys(int key);
    void pauseKeys(int key);
    void playKeys(int key, KeyModifiers shift);
    void continueafterlevel();
    void continueafterdeath();
    void newInternalGame();
    void endtomenu();
    void closeMessage();
    void startlevel(int n);
    void refreshCounters();
    std::string levelsFolder() const;

    QSize screen_;
    QString gameFolder_;
    QHash<QObject*, MouseWiring> mouse_;
    QHash<QObject*, Handler> focus_;
};

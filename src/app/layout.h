// The window's widgets: each made with its name, caption and colour at start,
// and where each stands on a screen of a given size.
#pragma once

#include "fieldwidget.h"
#include "hotkeys.h"
#include "menuitems.h"
#include "messagedisplay.h"
#include "skinspanel.h"
#include "statusbar.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <array>
#include <utility>
#include <vector>

struct WindowWidgets {
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
};

// Every widget of the window, in stacking order; the skins panel gets its own.
void createWindowWidgets(QWidget* form, WindowWidgets& ui, const Skin& skin, SkinsPanel& skinsPanel);
// Places them for a screen of the given size.
void layOutWidgets(const WindowWidgets& ui, QSize screen, SkinsPanel& skinsPanel);
// Each menu panel and the frame that shows it.
std::vector<std::pair<Panel, QFrame*>> panelFrames(const WindowWidgets& ui);

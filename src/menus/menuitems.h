// The menu items: every id the highlight can stand on, the widget that shows it,
// the panel that holds it, and when it can be used.
#pragma once

#include "cells.h"

#include <cstdint>
#include <string_view>

// A message over the menus waits for Enter in a state of its own, which
// remembers whether a game is suspended beneath.
constexpr GameState withMessage(GameState menus)
{
    return menus == MenuInGame ? MenuMessageInGame : MenuMessage;
}
constexpr GameState withoutMessage(GameState shown)
{
    return shown == MenuMessageInGame ? MenuInGame : Menu;
}

// The main menu and the panels that open to its right.
enum class Panel : std::uint8_t { None, Main, New, Load, Save, Keys, About, Skins, Language };

namespace item {
constexpr int NewGame = 1;
constexpr int BackToGame = 2;
constexpr int LoadGame = 3;
constexpr int SaveGame = 4;
constexpr int Controls = 5;
constexpr int LevelsInfo = 6;
constexpr int Skins = 7;
constexpr int Language = 8;
constexpr int Exit = 9;
constexpr int Terminate = 110;
constexpr int InternalLevels = 10;
constexpr int ExternalLevels = 11;
constexpr int LoadList = 20;
constexpr int SaveName = 30;
constexpr int SaveList = 31;
constexpr int FirstAction = 40;  // "Move up" ... "Quick exit", one per binding
constexpr int LastAction = 51;
constexpr int KeyNameOffset = 40;  // the key name beside an action line: action + 40
constexpr int FirstKeyName = FirstAction + KeyNameOffset;
constexpr int LastKeyName = LastAction + KeyNameOffset;
constexpr int LevelsSite = 60;
constexpr int English = 70;
constexpr int Russian = 71;
constexpr int SkinsList = 100;
constexpr int SkinsSite = 101;
}  // namespace item

struct MenuItem {
    int id;
    std::string_view widget;  // the object name of the widget that shows it
    Panel panel;
};

// Every item, the main menu's first and then each panel's, in screen order.
extern const MenuItem MenuItems[];
extern const int MenuItemCount;

// The item's entry in the table; nullptr for an id that is no item.
const MenuItem* findItem(int id);
const MenuItem* findItem(std::string_view widget);
Panel panelOf(int id);

inline bool isAction(int id) { return id >= item::FirstAction && id <= item::LastAction; }
inline bool isKeyName(int id) { return id >= item::FirstKeyName && id <= item::LastKeyName; }

// Whether the item does anything in the given state; only the colour shows it.
bool usable(int id, GameState gamestate, bool externalLevelsExist);

// The item below and above on the same panel, or the same id where the
// highlight does not move (no wrap-around, unusable items are not skipped).
int itemBelow(int id);
int itemAbove(int id);
// The main item whose panel holds id (where Left goes back to), or 0.
int openerOf(Panel panel);

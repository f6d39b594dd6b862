#include "menuitems.h"

#include "cells.h"

#include <algorithm>
#include <array>
#include <iterator>

const MenuItem MenuItems[] = {
    {item::NewGame, "menu1", Panel::Main},
    {item::BackToGame, "menu2", Panel::Main},
    {item::Terminate, "menu110", Panel::Main},
    {item::LoadGame, "menu3", Panel::Main},
    {item::SaveGame, "menu4", Panel::Main},
    {item::Controls, "menu5", Panel::Main},
    {item::LevelsInfo, "menu6", Panel::Main},
    {item::Skins, "menu7", Panel::Main},
    {item::Language, "menu8", Panel::Main},
    {item::Exit, "menu9", Panel::Main},
    {item::InternalLevels, "newmenu1", Panel::New},
    {item::ExternalLevels, "newmenu2", Panel::New},
    {item::LoadList, "loadmenu", Panel::Load},
    {item::SaveName, "savemenu1", Panel::Save},
    {item::SaveList, "savemenu2", Panel::Save},
    {40, "keysmenu1", Panel::Keys},
    {41, "keysmenu2", Panel::Keys},
    {42, "keysmenu3", Panel::Keys},
    {43, "keysmenu4", Panel::Keys},
    {44, "keysmenu5", Panel::Keys},
    {45, "keysmenu6", Panel::Keys},
    {46, "keysmenu7", Panel::Keys},
    {47, "keysmenu8", Panel::Keys},
    {48, "keysmenu9", Panel::Keys},
    {49, "keysmenu10", Panel::Keys},
    {50, "keysmenu11", Panel::Keys},
    {51, "keysmenu12", Panel::Keys},
    {80, "keysmenu1_1", Panel::Keys},
    {81, "keysmenu2_2", Panel::Keys},
    {82, "keysmenu3_3", Panel::Keys},
    {83, "keysmenu4_4", Panel::Keys},
    {84, "keysmenu5_5", Panel::Keys},
    {85, "keysmenu6_6", Panel::Keys},
    {86, "keysmenu7_7", Panel::Keys},
    {87, "keysmenu8_8", Panel::Keys},
    {88, "keysmenu9_9", Panel::Keys},
    {89, "keysmenu10_10", Panel::Keys},
    {90, "keysmenu11_11", Panel::Keys},
    {91, "keysmenu12_12", Panel::Keys},
    {item::LevelsSite, "aboutmenu3", Panel::About},
    {item::English, "languagemenu1", Panel::Language},
    {item::Russian, "languagemenu2", Panel::Language},
    {item::SkinsList, "skinsmenu1", Panel::Skins},
    {item::SkinsSite, "skinsmenu2", Panel::Skins},
};
const int MenuItemCount = static_cast<int>(std::size(MenuItems));

namespace {
// Up and Down walk these columns; an id in none of them stays put.
constexpr std::array MainColumn{item::NewGame,  item::BackToGame, item::Terminate, item::LoadGame,
                                item::SaveGame, item::Controls,   item::LevelsInfo, item::Skins,
                                item::Language, item::Exit};
constexpr std::array NewColumn{item::InternalLevels, item::ExternalLevels};
constexpr std::array LanguageColumn{item::English, item::Russian};

// The neighbour of id `step` places along its column, or id itself.
int neighbour(int id, int step)
{
    const auto walk = [&](const auto& column) -> int {
        const auto at = std::find(column.begin(), column.end(), id);
        if (at == column.end())
            return 0;
        const auto index = at - column.begin() + step;
        return index >= 0 && index < static_cast<long>(column.size()) ? column[index] : id;
    };
    if (isAction(id)) {
        const int next = id + step;
        return isAction(next) ? next : id;
    }
    for (const int found : {walk(MainColumn), walk(NewColumn), walk(LanguageColumn)})
        if (found)
            return found;
    return id;
}
}  // namespace

const MenuItem* findItem(int id)
{
    const auto at = std::find_if(std::begin(MenuItems), std::end(MenuItems),
                                 [id](const MenuItem& entry) { return entry.id == id; });
    return at == std::end(MenuItems) ? nullptr : at;
}

const MenuItem* findItem(std::string_view widget)
{
    const auto at = std::find_if(std::begin(MenuItems), std::end(MenuItems),
                                 [widget](const MenuItem& entry) { return entry.widget == widget; });
    return at == std::end(MenuItems) ? nullptr : at;
}

Panel panelOf(int id)
{
    const MenuItem* entry = findItem(id);
    return entry ? entry->panel : Panel::None;
}

bool usable(int id, GameState gamestate, bool externalLevelsExist)
{
    switch (id) {
    case item::BackToGame:
    case item::SaveGame:
    case item::Terminate:
        return gamestate == MenuInGame;
    case item::Skins:
        return gamestate == Menu;
    case item::ExternalLevels:
        return externalLevelsExist;
    default:
        return true;
    }
}

int itemBelow(int id)
{
    return neighbour(id, 1);
}

int itemAbove(int id)
{
    return neighbour(id, -1);
}

int openerOf(Panel panel)
{
    switch (panel) {
    case Panel::New: return item::NewGame;
    case Panel::Load: return item::LoadGame;
    case Panel::Save: return item::SaveGame;
    case Panel::Keys: return item::Controls;
    case Panel::About: return item::LevelsInfo;
    case Panel::Skins: return item::Skins;
    case Panel::Language: return item::Language;
    default: return 0;
    }
}

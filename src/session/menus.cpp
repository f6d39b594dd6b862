#include "menus.h"

#include "levels.h"

namespace {
bool takesFocus(int id)
{
    return id == item::LoadList || id == item::SaveName || id == item::SaveList || id == item::SkinsList;
}
}  // namespace

bool Menus::isUsable(int id)
{
    const bool external = id == item::ExternalLevels && host_.externalLevelExists(1);
    return usable(id, game_.gamestate, external);
}

void Menus::ShowMenu(Panel panel, bool visible, int previous, int next)
{
    host_.setItemLook(previous, false, isUsable(previous));
    if (panel != Panel::None)
        host_.setPanelVisible(panel, visible);
    if (next == item::InternalLevels)
        host_.setItemLook(item::ExternalLevels, false, isUsable(item::ExternalLevels));
    if (next == item::LoadList || next == item::SaveList)
        host_.refreshSaveList(next);
    host_.setItemLook(next, true, isUsable(next));
    if (takesFocus(next))
        host_.focusItem(next);
    menuitem = next;
}

void Menus::showGameItems()
{
    for (const int id : {item::BackToGame, item::SaveGame, item::Terminate, item::Skins})
        host_.setItemLook(id, id == menuitem, isUsable(id));
}

void Menus::suspendtomenu(int openItem)
{
    game_.gamestate = MenuInGame;
    game_.setWorldTimer(false);
    playScreen_ = false;
    host_.showScreen(false);
    showGameItems();
    ShowMenu(Panel::Main, true, item::InternalLevels, item::NewGame);
    if (openItem == item::LoadList)
        ShowMenu(Panel::Load, true, item::NewGame, item::LoadList);
    else if (openItem == item::SaveName)
        openSavePanel(item::NewGame);
}

// The save panel opens with the highlight on the name box and the list of
// saved games read afresh beneath it.
void Menus::openSavePanel(int previous)
{
    ShowMenu(Panel::Save, true, previous, item::SaveName);
    host_.refreshSaveList(item::SaveList);
}

void Menus::endtomenu()
{
    game_.gamestate = Menu;
    playScreen_ = false;
    host_.showScreen(false);
    showGameItems();
    ShowMenu(Panel::Main, true, item::InternalLevels, item::NewGame);
}

void Menus::showplayscreen()
{
    host_.setPanelVisible(Panel::Main, false);
    playScreen_ = true;
    host_.showScreen(true);
}

void Menus::menunext()
{
    moveTo(itemBelow(menuitem));
}

void Menus::menuprevious()
{
    moveTo(itemAbove(menuitem));
}

// Ids without a neighbour do not move, and a list keeps its selection.
void Menus::moveTo(int id)
{
    if (id != menuitem)
        ShowMenu(menuitem, id);
}

void Menus::menuback()
{
    const Panel panel = panelOf(menuitem);
    const int opener = openerOf(panel);
    if (opener == 0)
        return;
    ShowMenu(panel, false, menuitem, opener);
    if (panel == Panel::Skins)
        host_.stopSkinPreview();
}

void Menus::menuopen()
{
    if (isAction(menuitem))
        ShowMenu(menuitem, menuitem + item::KeyNameOffset);
    else
        openPanelOf(menuitem);
}

void Menus::openPanelOf(int mainItem)
{
    switch (mainItem) {
    case item::NewGame:
        ShowMenu(Panel::New, true, mainItem, item::InternalLevels);
        break;
    case item::LoadGame:
        ShowMenu(Panel::Load, true, mainItem, item::LoadList);
        break;
    case item::SaveGame:
        if (game_.gamestate == MenuInGame)
            openSavePanel(mainItem);
        break;
    case item::Controls:
        ShowMenu(Panel::Keys, true, mainItem, item::FirstAction);
        break;
    case item::LevelsInfo:
        countExternalLevels();
        ShowMenu(Panel::About, true, mainItem, item::LevelsSite);
        break;
    case item::Skins:
        if (game_.gamestate == Menu) {
            skins_.fill();
            ShowMenu(Panel::Skins, true, mainItem, item::SkinsList);
            skins_.selectActive();
        }
        break;
    case item::Language:
        ShowMenu(Panel::Language, true, mainItem, game_.english ? item::English : item::Russian);
        break;
    default:
        break;
    }
}

// The unbroken run level1, level2, ... of external level files.
// A page that cannot be opened is said over the menus.
void Menus::openPage(const std::string& name)
{
    if (host_.openwebpage(name))
        return;
    host_.sayOverMenus(message::cannotOpenPage(name.substr(name.rfind('/') + 1)));
}

void Menus::countExternalLevels()
{
    int count = 0;
    host_.showExternalLevelCount(count);
    while (count < MaxExternalLevels && host_.externalLevelExists(count + 1))
        host_.showExternalLevelCount(++count);
}

void Menus::activatemenuitem(int id)
{
    if (isAction(id)) {
        ShowMenu(id, id + item::KeyNameOffset);
        return;
    }
    switch (id) {
    case item::NewGame:
    case item::LoadGame:
    case item::SaveGame:
    case item::Controls:
    case item::LevelsInfo:
    case item::Skins:
    case item::Language:
        openPanelOf(id);
        break;
    case item::BackToGame:
        if (game_.gamestate == MenuInGame)
            backToPlay(Panel::None, item::BackToGame);
        break;
    case item::Exit:
        host_.exitGame();
        break;
    case item::Terminate:
        if (game_.gamestate == MenuInGame) {
            game_.gamestate = Menu;
            ShowMenu(item::Terminate, item::NewGame);
            showGameItems();
        }
        break;
    case item::InternalLevels:
        startGame(true);
        break;
    case item::ExternalLevels:
        if (host_.externalLevelExists(1))
            startGame(false);
        break;
    case item::LoadList:
        if (host_.loadSelectedGame()) {
            ShowMenu(Panel::Load, false, item::LoadList, item::NewGame);
            showplayscreen();
        }
        break;
    case item::SaveName:
        if (host_.saveUnderTypedName())
            backToPlay(Panel::Save, item::SaveName);
        break;
    case item::SaveList:
        if (host_.copySaveSelection())
            ShowMenu(item::SaveList, item::SaveName);
        break;
    case item::LevelsSite:
        openPage(page("programs/km_levels_eng.htm", "programs/km_levels.htm"));
        break;
    case item::English:
    case item::Russian:
        game_.english = id == item::English;
        host_.setlanguage();
        break;
    case item::SkinsList:
        skins_.loadskin();
        break;
    case item::SkinsSite:
        openPage(page("programs/km_skins_eng.htm", "programs/km_skins.htm"));
        break;
    default:
        break;
    }
}

void Menus::backToPlay(Panel panel, int from)
{
    ShowMenu(panel, false, from, item::NewGame);
    showplayscreen();
    game_.gamestate = Playing;
    game_.setWorldTimer(true);
}

void Menus::startGame(bool internal)
{
    host_.forgetSavedGame();
    game_.internal = internal;
    game_.counters.lives = StartingLives;
    game_.counters.bombs = StartingBombs;
    showplayscreen();
    host_.setPanelVisible(Panel::New, false);
    host_.startlevel(1);
}

std::string Menus::page(const char* english, const char* russian) const
{
    return game_.english ? english : russian;
}

// Leaves the highlighted item for `id`, closing its panel when `id` lies elsewhere.
void Menus::leaveFor(int id)
{
    const int current = menuitem;
    if (id == current)
        return;
    const Panel panel = panelOf(current);
    if (panel != Panel::Main && panel != Panel::None && panelOf(id) != panel)
        ShowMenu(panel, false, current, id);
    else
        ShowMenu(current, id);
}

void Menus::menu1Click(int id)
{
    if (!live() || !findItem(id))
        return;
    leaveFor(id);
    if (panelOf(id) == Panel::Main)
        openPanelOf(id);
}

void Menus::menu1DblClick(int id)
{
    if (!live() || !findItem(id))
        return;
    if ((isAction(menuitem) || isKeyName(menuitem)) && isKeyName(id))
        id -= item::KeyNameOffset;
    leaveFor(id);
    activatemenuitem(id);
}

void Menus::focusMovedTo(int id)
{
    if (!live())
        return;
    switch (id) {
    case item::SaveName:
        ShowMenu(item::SaveList, item::SaveName);
        break;
    case item::SaveList:
        ShowMenu(item::SaveName, item::SaveList);
        break;
    case item::SkinsList:
        ShowMenu(item::SkinsSite, item::SkinsList);
        break;
    case item::SkinsSite:
        ShowMenu(item::SkinsList, item::SkinsSite);
        break;
    default:
        break;
    }
}

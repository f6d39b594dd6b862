// What the menus do, seen through a host that records every look, panel and
// action: the highlight, the panels, the items and the switches to play.
#include "headlesshost.h"
#include "menus.h"
#include "recordinghosts.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct MenuFixture : ::testing::Test {
    HeadlessHost gameHost;
    Game game{gameHost};
    RecordingMenuHost host;
    RecordingSkinsHost skinsHost;
    SkinsMenu skins{game, skinsHost, host};
    Menus menus{game, host, skins};

    MenuFixture()
    {
        game.gamestate = Menu;
        skinsHost.events = &host.events;
    }
};

using MenuLooks = MenuFixture;
using MenuMoves = MenuFixture;
using MenuItems_ = MenuFixture;
using MenuScreens = MenuFixture;
using MenuMouse = MenuFixture;

TEST_F(MenuLooks, AnItemThatCannotBeUsedIsSilverWhenHighlightedAndGrayAfter)
{
    menus.menunext();
    EXPECT_EQ(host.looks[item::BackToGame], Silver);
    EXPECT_EQ(host.looks[item::NewGame], White);
    menus.menunext();
    EXPECT_EQ(host.looks[item::BackToGame], Gray);
    EXPECT_EQ(host.looks[item::Terminate], Silver);

    game.gamestate = MenuInGame;
    menus.ShowMenu(item::Terminate, item::SaveGame);
    EXPECT_EQ(host.looks[item::SaveGame], Aqua);
    EXPECT_EQ(host.looks[item::Terminate], White);
    menus.ShowMenu(item::SaveGame, item::Skins);
    EXPECT_EQ(host.looks[item::Skins], Silver);
}

TEST_F(MenuMoves, UpAndDownWalkEachPanelWithoutWrappingOrSkipping)
{
    const int mainOrder[] = {1, 2, 110, 3, 4, 5, 6, 7, 8, 9};
    for (int i = 0; i + 1 < 10; ++i) {
        EXPECT_EQ(itemBelow(mainOrder[i]), mainOrder[i + 1]);
        EXPECT_EQ(itemAbove(mainOrder[i + 1]), mainOrder[i]);
    }
    EXPECT_EQ(itemAbove(item::NewGame), item::NewGame);
    EXPECT_EQ(itemBelow(item::Exit), item::Exit);
    EXPECT_EQ(itemBelow(item::InternalLevels), item::ExternalLevels);
    EXPECT_EQ(itemBelow(item::ExternalLevels), item::ExternalLevels);
    EXPECT_EQ(itemBelow(item::LastAction - 1), item::LastAction);
    EXPECT_EQ(itemBelow(item::LastAction), item::LastAction);
    EXPECT_EQ(itemAbove(item::FirstAction), item::FirstAction);
    EXPECT_EQ(itemBelow(item::English), item::Russian);
    for (const int still : {item::LoadList, item::SaveName, item::SaveList, item::LevelsSite, item::SkinsList,
                            item::FirstKeyName})
        EXPECT_EQ(itemBelow(still), still) << still;
}

TEST_F(MenuMoves, LeftGoesBackToTheItemThatOpenedThePanel)
{
    struct Case {
        int opener, inside;
        Panel panel;
    };
    const Case cases[] = {{1, 11, Panel::New},      {3, 20, Panel::Load},   {4, 31, Panel::Save},
                          {5, 51, Panel::Keys},     {6, 60, Panel::About},  {7, 101, Panel::Skins},
                          {8, 71, Panel::Language}};
    for (const Case& c : cases) {
        host.events.clear();
        host.panels[c.panel] = true;
        menus.menuitem = c.inside;
        menus.menuback();
        EXPECT_EQ(menus.menuitem, c.opener);
        EXPECT_FALSE(host.panels[c.panel]) << c.opener;
        EXPECT_EQ(host.happened("stop preview"), c.panel == Panel::Skins);
    }
    menus.menuback();  // on the main menu there is nowhere to go back to
    EXPECT_EQ(menus.menuitem, item::Language);
}

TEST_F(MenuMoves, RightOpensAPanelOrStartsKeyCaptureButNeverPerforms)
{
    menus.ShowMenu(item::NewGame, item::Controls);
    menus.menuopen();
    EXPECT_EQ(menus.menuitem, item::FirstAction);
    menus.menunext();
    menus.menuopen();
    EXPECT_EQ(menus.menuitem, item::FirstAction + 1 + item::KeyNameOffset);
    EXPECT_EQ(host.looks[item::FirstKeyName + 1], Aqua);
    menus.endCapture(menus.menuitem);
    EXPECT_EQ(menus.menuitem, item::FirstAction + 1);

    menus.menuitem = item::BackToGame;
    menus.menuopen();
    menus.menuitem = item::Exit;
    menus.menuopen();
    EXPECT_FALSE(host.happened("exit"));
}

TEST_F(MenuScreens, PanelsThatNeedAGameOrNoGameDoNotOpen)
{
    menus.menuitem = item::SaveGame;
    menus.activatemenuitem(item::SaveGame);
    EXPECT_FALSE(host.panels[Panel::Save]);
    EXPECT_EQ(menus.menuitem, item::SaveGame);

    game.gamestate = MenuInGame;
    menus.menuitem = item::Skins;
    menus.menuopen();
    menus.activatemenuitem(item::Skins);
    menus.menu1Click(item::Skins);
    EXPECT_FALSE(host.panels[Panel::Skins]);
    EXPECT_FALSE(host.happened("skins list"));

    game.gamestate = Menu;
    menus.menuopen();
    EXPECT_TRUE(host.panels[Panel::Skins]);
    EXPECT_EQ(menus.menuitem, item::SkinsList);
    // The list is filled before the panel shows and the preview starts after.
    const auto at = [&](const std::string& e) { return std::find(host.events.begin(), host.events.end(), e); };
    EXPECT_LT(at("skins list"), at("show " + std::to_string(int(Panel::Skins))));
    EXPECT_LT(at("focus 100"), at("preview"));
}

TEST_F(MenuItems_, NewGameStartsLevelOneWithFreshLivesAndBombsAndForgetsTheSave)
{
    game.counters.lives = 0;
    game.counters.bombs = 42;
    game.internal = false;
    menus.menuopen();
    menus.activatemenuitem(item::InternalLevels);
    EXPECT_EQ(game.counters.lives, StartingLives);
    EXPECT_EQ(game.counters.bombs, StartingBombs);
    EXPECT_TRUE(game.internal);
    EXPECT_TRUE(host.playScreen);
    EXPECT_FALSE(host.panels[Panel::New]);
    EXPECT_FALSE(host.panels[Panel::Main]);
    EXPECT_EQ(menus.menuitem, item::InternalLevels);
    const auto forget = std::find(host.events.begin(), host.events.end(), "forget");
    EXPECT_LT(forget, std::find(host.events.begin(), host.events.end(), "start 1"));
}

TEST_F(MenuItems_, LevelsInfoCountsTheUnbrokenRunOfExternalLevels)
{
    host.externalLevels = {1, 2, 4};
    menus.ShowMenu(item::NewGame, item::LevelsInfo);
    menus.menuopen();
    EXPECT_EQ(host.externalCount, 2);
    EXPECT_EQ(menus.menuitem, item::LevelsSite);
    host.externalLevels.clear();
    menus.activatemenuitem(item::LevelsInfo);
    EXPECT_EQ(host.externalCount, 0);
}

TEST_F(MenuItems_, LanguageAndPagesFollowTheChosenLanguage)
{
    menus.ShowMenu(item::NewGame, item::Language);
    menus.menuopen();
    EXPECT_EQ(menus.menuitem, item::English);
    menus.menunext();
    menus.activatemenuitem(menus.menuitem);
    EXPECT_FALSE(game.english);
    EXPECT_TRUE(host.happened("language"));
    EXPECT_EQ(menus.menuitem, item::Russian);
    menus.activatemenuitem(item::SkinsSite);
    menus.activatemenuitem(item::LevelsSite);
    EXPECT_TRUE(host.happened("programs/km_skins.htm"));
    EXPECT_TRUE(host.happened("programs/km_levels.htm"));
    menus.menuback();
    menus.menuopen();
    EXPECT_EQ(menus.menuitem, item::Russian);  // the panel opens on the current language
}

TEST_F(MenuItems_, TheSaveListCopiesItsEntryAndHandsTheHighlightToTheName)
{
    game.gamestate = MenuInGame;
    menus.ShowMenu(item::SaveName, item::SaveList);
    host.saveListEmpty = true;
    menus.activatemenuitem(item::SaveList);
    EXPECT_EQ(menus.menuitem, item::SaveList);
    host.saveListEmpty = false;
    menus.activatemenuitem(item::SaveList);
    EXPECT_EQ(menus.menuitem, item::SaveName);
}

TEST_F(MenuMouse, AClickOnAnotherMainItemClosesTheOpenPanelAndOpensItsOwn)
{
    menus.ShowMenu(item::NewGame, item::Controls);
    menus.menuopen();
    menus.menunext();
    menus.menu1Click(item::Language);
    EXPECT_FALSE(host.panels[Panel::Keys]);
    EXPECT_TRUE(host.panels[Panel::Language]);
    EXPECT_EQ(menus.menuitem, item::English);
    EXPECT_EQ(host.looks[item::FirstAction + 1], White);

    menus.menu1Click(item::Exit);  // a click never performs
    EXPECT_FALSE(host.happened("exit"));
    EXPECT_FALSE(host.panels[Panel::Language]);
    menus.menu1DblClick(item::Exit);
    EXPECT_TRUE(host.happened("exit"));
}

TEST_F(MenuMouse, DoubleClickingAKeyNameCapturesForItsAction)
{
    menus.ShowMenu(item::NewGame, item::Controls);
    menus.menuopen();
    menus.menu1DblClick(item::FirstKeyName + 5);
    EXPECT_EQ(menus.menuitem, item::FirstKeyName + 5);
    EXPECT_EQ(host.looks[item::FirstAction + 5], White);
    EXPECT_EQ(host.looks[item::FirstKeyName + 5], Aqua);
}

TEST_F(MenuMouse, TheMouseAndFocusDoNothingOutsideTheMenus)
{
    for (const GameState state : {Title, Playing, Paused, Dead, LevelEnd, MenuMessage, MenuMessageInGame}) {
        game.gamestate = state;
        menus.menu1Click(item::Exit);
        menus.menu1DblClick(item::Exit);
        menus.focusMovedTo(item::SaveList);
        EXPECT_EQ(menus.menuitem, item::NewGame) << int(state);
    }
    EXPECT_FALSE(host.happened("exit"));
    game.gamestate = Menu;
    menus.menu1Click(12345);  // no item of the menus
    EXPECT_EQ(menus.menuitem, item::NewGame);
}

TEST_F(MenuMouse, TabBetweenTheNameAndTheListMovesTheHighlight)
{
    game.gamestate = MenuInGame;
    menus.ShowMenu(item::SaveGame, item::SaveName);
    menus.focusMovedTo(item::SaveList);
    EXPECT_EQ(menus.menuitem, item::SaveList);
    EXPECT_EQ(host.looks[item::SaveName], White);
    menus.focusMovedTo(item::SaveName);
    EXPECT_EQ(menus.menuitem, item::SaveName);
    EXPECT_EQ(host.looks[item::SaveList], White);
}

using SkinsPanel = MenuFixture;

TEST_F(SkinsPanel, TheActiveSkinIsSelectedWithoutCaseOrNothingWhenItIsGone)
{
    skinsHost.files = {"Apple.bmp", "bee.bmp"};
    skinsHost.active = "BEE.BMP";
    menus.ShowMenu(item::NewGame, item::Skins);
    menus.menuopen();
    EXPECT_EQ(skinsHost.shown, (std::vector<std::string>{"<default skin>", "Apple.bmp", "bee.bmp"}));
    EXPECT_EQ(skinsHost.selected, 2);
    EXPECT_EQ(skinsHost.previewed, skinsHost.active);
    EXPECT_TRUE(host.previewRunning);

    menus.menuback();
    skinsHost.active = "gone.bmp";
    game.english = false;
    menus.menuopen();
    EXPECT_EQ(skinsHost.shown.front(), "<скин по умолчанию>");
    EXPECT_EQ(skinsHost.selected, -1);
    menus.activatemenuitem(item::SkinsList);  // nothing selected: the built-in sheet
    EXPECT_EQ(skinsHost.selected, DefaultSkinEntry);
    EXPECT_FALSE(skinsHost.active);
    EXPECT_EQ(host.events.back(), "The default skin has been loaded");

    menus.menuback();
    skinsHost.active.reset();
    game.gamestate = Menu;
    menus.menuopen();
    EXPECT_EQ(skinsHost.selected, DefaultSkinEntry);
}

TEST_F(SkinsPanel, LoadingAFileSaysWhetherItCouldBeRead)
{
    skinsHost.files = {"good.bmp", "junk.bmp"};
    skinsHost.unreadable = {"junk.bmp"};
    menus.ShowMenu(item::NewGame, item::Skins);
    menus.menuopen();
    skinsHost.selected = 1;
    menus.activatemenuitem(item::SkinsList);
    EXPECT_EQ(skinsHost.active, SkinFile("good.bmp"));
    EXPECT_EQ(host.events.back(), "The skin good.bmp has been loaded");
    skinsHost.selected = 2;
    menus.activatemenuitem(item::SkinsList);
    EXPECT_EQ(skinsHost.active, SkinFile("good.bmp"));
    EXPECT_EQ(host.events.back(), "The skin junk.bmp is corrupt");
}

TEST_F(SkinsPanel, AnUnreadablePreviewKeepsTheOldSheetAndRunsOn)
{
    skinsHost.files = {"good.bmp", "junk.bmp"};
    skinsHost.unreadable = {"junk.bmp"};
    skins.fill();
    skinsHost.selected = 1;
    skins.previewSelected();
    EXPECT_EQ(skinsHost.previewed, SkinFile("good.bmp"));
    EXPECT_FALSE(skinsHost.unreadableShown);
    skinsHost.selected = 2;
    skins.previewSelected();
    EXPECT_EQ(skinsHost.previewed, SkinFile("good.bmp"));
    EXPECT_TRUE(skinsHost.unreadableShown);
    EXPECT_TRUE(host.previewRunning);
    skinsHost.selected = -1;
    skins.previewSelected();
    EXPECT_FALSE(skinsHost.previewed);
    EXPECT_FALSE(skinsHost.unreadableShown);
}

TEST(MenuTable, EveryItemHasOneWidgetAndEveryPanelItsOpener)
{
    std::set<int> ids;
    std::set<std::string_view> widgets;
    for (int i = 0; i < MenuItemCount; ++i) {
        EXPECT_TRUE(ids.insert(MenuItems[i].id).second) << MenuItems[i].id;
        EXPECT_TRUE(widgets.insert(MenuItems[i].widget).second) << MenuItems[i].widget;
        EXPECT_EQ(findItem(MenuItems[i].widget), &MenuItems[i]);
        if (MenuItems[i].panel != Panel::Main) {
            EXPECT_EQ(panelOf(openerOf(MenuItems[i].panel)), Panel::Main) << MenuItems[i].id;
        }
    }
    for (int id = item::FirstAction; id <= item::LastAction; ++id)
        EXPECT_EQ(panelOf(id + item::KeyNameOffset), Panel::Keys);
}

}  // namespace

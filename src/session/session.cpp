#include "session.h"

#include "messages.h"

Session::Session(FrontEnd& front, PlayerFiles& files, SkinsHost& skinsPanel)
    : front_(front), files_(files), skins(game, skinsPanel, *this)
{
}

void Session::start(const Start& settings)
{
    game.gamestate = settings.firstRun ? Title : TitleSkippable;
    game.english = settings.english;
    bindings.useStored(settings.hotkeys);
    startupProblems_.clear();
    if (!settings.settingsKept)
        startupProblems_.push_back(message::settingsNotSaved());
    for (const std::string& folder : settings.foldersNotMade)
        startupProblems_.push_back(message::folderNotMade(folder));
    if (!settings.stopsHeard)
        startupProblems_.push_back(message::stopsNotHeard());
    showKeyNames();
    setlanguage();
    menus.menuitem = item::NewGame;
    title_.start();
}

// A message over the menus waits for Enter.
void Session::sayOverMenus(const MessageText& message)
{
    front_.showMessage(message);
    game.gamestate = withMessage(game.gamestate);
}

// A pad is named over the menus, where a message waits for Enter.
void Session::padConnected(const std::string& name)
{
    sayOverMenus(message::padConnected(name));
}

void Session::padLost()
{
    level_.pauseIfPlaying();
}

void Session::setlanguage()
{
    front_.showCaptions(game.english);
    level_.showLevelCaption();
}

// What went wrong at start-up is said as soon as the menu stands.
void Session::titleEnded()
{
    front_.hideTitle();
    front_.setPanelVisible(Panel::Main, true);
    front_.showScreen(false);
    menuMessageClosed();
}

void Session::menuMessageClosed()
{
    if (startupProblems_.empty())
        return;
    sayOverMenus(startupProblems_.front());
    startupProblems_.pop_front();
}

#include "levelplay.h"

#include "replay.h"
#include "vk.h"

#include <utility>

void LevelPlayer::startlevel(int n)
{
    tape_.clear();
    tickKey_ = {};
    game_.startlevel(n);
    showStartedLevel();
}

void LevelPlayer::showStartedLevel()
{
    showCounters();
    if (game_.gamestate == Playing)
        showLevelCaption();
}

void LevelPlayer::pressKey(int key, KeyModifiers held)
{
    switch (game_.gamestate) {
    case Playing:
        playKeys(key, held);
        break;
    case Paused:
        pauseKeys(key);
        break;
    case Dead:
        if (key == vk::Enter)
            owner_.continueafterdeath();
        break;
    case LevelEnd:
        if (key == vk::Enter)
            owner_.continueafterlevel();
        break;
    default:
        break;
    }
}

void LevelPlayer::worldTick()
{
    if (rule_ == KeyRule::TapedOneATick)
        tape_.push_back(std::exchange(tickKey_, TapeKey{}));
    game_.Timer1Timer();
    showCounters();
}

// The world stops under the pause message, and goes on with the message gone.
void LevelPlayer::pause()
{
    game_.gamestate = Paused;
    game_.setWorldTimer(false);
    screen_.showMessage(message::pause());
}

void LevelPlayer::resume()
{
    screen_.closeMessage();
    game_.gamestate = Playing;
    game_.setWorldTimer(true);
}

void LevelPlayer::pauseIfPlaying()
{
    if (game_.gamestate == Playing)
        pause();
}

PlayKey playKeyOf(const Hotkeys& keys, int key, KeyModifiers held)
{
    const auto bound = [&](Hotkey action) { return key == binding(keys, action); };
    PlayKey play;
    play.eat = modifierHeld(binding(keys, Hotkey::cell), held);
    play.bomb = modifierHeld(binding(keys, Hotkey::bomb), held);
    const std::pair<Hotkey, Direction> moves[] = {
        {Hotkey::left, Left}, {Hotkey::right, Right}, {Hotkey::up, Up}, {Hotkey::down, Down}};
    for (const auto& [action, direction] : moves)
        if (bound(action))
            play.moves.push_back(direction);
    play.menu = bound(Hotkey::menu);
    play.load = bound(Hotkey::load);
    play.save = bound(Hotkey::save);
    play.exit = bound(Hotkey::exit);
    play.pause = bound(Hotkey::pause);
    play.terminate = bound(Hotkey::terminate);
    return play;
}

// Once the player has acted in a tick every key is lost until the next.
void LevelPlayer::playKeys(int key, KeyModifiers held)
{
    if (game_.player_moved || tickKey_.kind != TapeKey::None || key == 0)
        return;
    const PlayKey play = playKeyOf(keys_, key, held);
    if (rule_ == KeyRule::TapedOneATick)
        tapedKey(play);
    else
        everyBinding(play);
    showCounters();
}

void LevelPlayer::everyBinding(const PlayKey& play)
{
    for (const Direction direction : play.moves)
        game_.moveplayer(direction, play.eat, play.bomb);
    leaveKeys(play);
    if (play.pause)
        pause();
    if (play.terminate)
        game_.selfdestruct();
}

// The first move, else the self-destruction, is the tick's key; pause stops
// the world before any.
void LevelPlayer::tapedKey(const PlayKey& play)
{
    if (play.pause) {
        pause();
        return;
    }
    if (!play.moves.empty())
        tickKey_ = {TapeKey::Move, play.moves.front(), play.eat, play.bomb};
    else if (play.terminate)
        tickKey_ = {TapeKey::SelfDestruct};
    else
        return;
    ::pressKey(game_, tickKey_);
    // A key that ends the level is followed by no tick.
    if (!game_.worldTimer)
        tape_.push_back(std::exchange(tickKey_, TapeKey{}));
}

// Each binding is tested in turn with the same key.
void LevelPlayer::pauseKeys(int key)
{
    const PlayKey play = playKeyOf(keys_, key, {});
    if (play.pause)
        resume();
    leaveKeys(play);
}

void LevelPlayer::leaveKeys(const PlayKey& play)
{
    const std::pair<bool, Hotkey> ways[] = {
        {play.menu, Hotkey::menu}, {play.load, Hotkey::load}, {play.save, Hotkey::save}, {play.exit, Hotkey::exit}};
    for (const auto& [pressed, action] : ways)
        if (pressed)
            owner_.leaveplay(action);
}

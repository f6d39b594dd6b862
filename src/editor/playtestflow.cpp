#include "playtestflow.h"

#include "levels.h"
#include "vk.h"

void PlayTestFlow::start(const Picture& board, int number, const std::string& folder, bool english,
                         const Hotkeys& keys)
{
    board_ = board;
    folder_ = folder;
    keys_ = keys;
    game.english = english;
    game.internal = false;
    playFromStart(number);
}

void PlayTestFlow::playFromStart(int number)
{
    screen_.closeMessage();
    game.counters = Counters{};
    level_.startlevel(number);
}

void PlayTestFlow::pressKey(int key, KeyModifiers held)
{
    const PlayKey play = playKeyOf(keys_, key, held);
    if (key == vk::Escape || play.menu || play.exit)
        leave();
    else
        level_.pressKey(key, held);
}

void PlayTestFlow::leave()
{
    game.setWorldTimer(false);
    screen_.closeMessage();
    screen_.playEnded();
}

bool PlayTestFlow::levelExists(int n)
{
    return levelFileExists(folder_, n);
}

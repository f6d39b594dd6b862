#include "replay.h"

#include "headlesshost.h"

void pressKey(Game& game, const TapeKey& key)
{
    if (game.gamestate != Playing || game.player_moved)
        return;
    if (key.kind == TapeKey::Move)
        game.moveplayer(key.direction, key.eat, key.bomb);
    else if (key.kind == TapeKey::SelfDestruct)
        game.selfdestruct();
}

bool pressAndTick(Game& game, const TapeKey& key, long& ticks)
{
    if (!game.worldTimer)
        return false;
    pressKey(game, key);
    if (game.worldTimer) {
        game.Timer1Timer();
        ++ticks;
    }
    return true;
}

bool tapeWins(const Picture& level, int levelNumber, const std::vector<TapeStep>& tape)
{
    HeadlessHost host;
    host.level = level;
    Game game(host);
    game.internal = false;
    game.startlevel(levelNumber);
    long ticks = 0;
    for (const TapeStep& step : tape)
        for (long i = 0; i < step.times; ++i)
            if (ticks == MaxProofTicks || !pressAndTick(game, step.key, ticks))
                return game.gamestate == LevelEnd;
    return game.gamestate == LevelEnd;
}

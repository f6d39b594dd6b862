// Explosions: one request clears the 3 x 3 block around it; explosive things it
// catches go off one tick later, so a chain of bombs burns one link per tick.
#include "game.h"

namespace {
// The centre first, then round it starting below-left.
constexpr int BlastBlock[9][2] = {{0, 0},  {-1, 1}, {-1, 0}, {-1, -1}, {0, -1},
                                  {1, -1}, {1, 0},  {1, 1},  {0, 1}};
}  // namespace

void Game::exploy(int x, int y)
{
    currentBlasts().set(x, y, 0);
    for (const auto& [dx, dy] : BlastBlock) {
        const int cx = x + dx;
        const int cy = y + dy;
        const std::uint8_t code = board.cells(cx, cy);
        if (code == RedWall)  // also whatever lies beyond the board's edge
            continue;
        switch (code) {
        case Player:
            killPlayer(message::blownUp());
            break;
        case YellowEnemy:
        case OliveEnemy:
            loseCreature(code);
            break;
        case Diamond:
            // The level can no longer be won: the player goes up with it next tick.
            --counters.diamonds;
            nextBlasts().set(playerx, playery, BlastRequested);
            gamestate = Dead;
            say(message::diamondDestroyed());
            break;
        case Bomb:
        case BombCrate:
        case ExtraLife:
            if (dx != 0 || dy != 0)
                nextBlasts().set(cx, cy, BlastRequested);
            break;
        default:
            break;
        }
        board.cells.set(cx, cy, Empty);
        board.blast_frame.set(cx, cy, 0);
    }
    win_check();
}

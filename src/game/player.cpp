// The player's one action between two ticks, and the view that follows the player.
#include "game.h"

#include <algorithm>

namespace {
bool isTrigger(int cell, int last)
{
    return cell >= ScrollTriggerStep && cell <= last && cell % ScrollTriggerStep == 0;
}
}  // namespace

void Game::moveplayer(Direction direction, bool eat, bool bomb)
{
    player_moved = true;
    const Offset move = stepOf(direction);
    const Sprite facing{facingColumn(direction), PlayerSpriteRow};
    const int tx = playerx + move.dx;
    const int ty = playery + move.dy;
    const std::uint8_t target = board.cells(tx, ty);

    if (bomb) {
        if (counters.bombs > 0 && (target == Empty || target == Earth)) {
            --counters.bombs;
            board.cells.set(tx, ty, Bomb);
            board.motion.set(tx, ty, AtRest);
            draw({tickframe, BombSpriteRow}, tx, ty);
        }
        draw(facing, playerx, playery);
    } else if (eat) {
        if (target == Empty || target == Earth || target == Diamond || target == BombCrate ||
            target == ExtraLife) {
            takePickup(target);
            board.cells.set(tx, ty, Empty);
            draw(EmptySprite, tx, ty);
        }
        draw(facing, playerx, playery);
        win_check();
    } else if (target == Stone || target == Bomb || target == RedWall || target == PurpleWall) {
        pushOrTurn(move.dx, facing, target);
    } else {
        step(move.dx, move.dy, facing, target);
    }
}

void Game::takePickup(std::uint8_t code)
{
    if (code == Diamond)
        --counters.diamonds;
    else if (code == BombCrate)
        counters.bombs = std::min(counters.bombs + BombsPerCrate, CounterLimit);
    else if (code == ExtraLife)
        counters.lives = std::min(counters.lives + 1, CounterLimit);
}

// Stones and bombs move sideways into an empty cell; anything else only turns the player.
void Game::pushOrTurn(int dx, Sprite facing, std::uint8_t target)
{
    const int farx = playerx + 2 * dx;
    const bool pushes = dx != 0 && (target == Stone || target == Bomb) && board.cells(farx, playery) == Empty;
    if (!pushes) {
        draw(facing, playerx, playery);
        return;
    }
    board.cells.set(farx, playery, target);
    board.motion.set(farx, playery, AtRest);
    draw(target == Stone ? StoneSprite : Sprite{tickframe, BombSpriteRow}, farx, playery);
    board.cells.set(playerx + dx, playery, Player);
    draw(facing, playerx + dx, playery);
    board.cells.set(playerx, playery, Empty);
    draw(EmptySprite, playerx, playery);
    playerx += dx;
    move_screen();
}

void Game::step(int dx, int dy, Sprite facing, std::uint8_t target)
{
    board.cells.set(playerx, playery, Empty);
    draw(EmptySprite, playerx, playery);
    playerx += dx;
    playery += dy;
    move_screen();
    if (target == YellowEnemy || target == OliveEnemy) {
        // The creature stays in the cell; the blast at the end of the next tick takes both.
        requestBlast(playerx, playery);
        killPlayer(message::encounteredEnemy());
        return;
    }
    takePickup(target);
    board.cells.set(playerx, playery, Player);
    draw(facing, playerx, playery);
    win_check();
}

void Game::move_screen()
{
    if (isTrigger(playerx, LastScrollTriggerColumn)) {
        setWorldTimer(false);
        field.left = fieldLeftFor(windowWidth, playerx);
        host_.placeField(field.left, field.top);
        setWorldTimer(true);
    }
    if (isTrigger(playery, LastScrollTriggerRow)) {
        setWorldTimer(false);
        field.top = fieldTopFor(windowHeight, playery);
        host_.placeField(field.left, field.top);
        setWorldTimer(true);
    }
}

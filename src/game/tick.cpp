// The world tick: animation, gravity, the two kinds of creatures, the explosions
// requested during the tick and their animation.
#include "game.h"

struct CreatureKind {
    CellCode code;
    int spriteRow;
    bool keepsWallOnRight;               // turns towards an opening on its right first
    bool (*setsOff)(std::uint8_t code);  // what it blows up by walking into it
};

namespace {
bool isRollable(std::uint8_t code)  // something resting on it slides off sideways
{
    return code >= Stone && code <= RedWall;
}

bool isCreature(std::uint8_t code)
{
    return code == YellowEnemy || code == OliveEnemy;
}

bool isExplosive(std::uint8_t code)
{
    return code == Bomb || code == BombCrate || code == ExtraLife;
}

bool isStruckByFall(std::uint8_t code)
{
    return code == Player || isCreature(code) || isExplosive(code);
}

// Where a creature keeping a wall on its right sees an opening.
bool isOpening(std::uint8_t code)
{
    return code == Empty || code == Player || isExplosive(code);
}

bool isExtraLife(std::uint8_t code)
{
    return code == ExtraLife;
}

// Bombs and bomb crates merely stop an olive creature.
constexpr CreatureKind Yellow{YellowEnemy, YellowSpriteRow, true, isExplosive};
constexpr CreatureKind Olive{OliveEnemy, OliveSpriteRow, false, isExtraLife};

Direction headingOf(std::uint8_t motion)  // only a damaged saved game holds another heading
{
    return isDirection(motion) ? static_cast<Direction>(motion) : Up;
}

// A scan of one pass: zeroes the moved plane, then visits, column by column from
// the left and each column from the top, every cell holding `kind` that nothing
// moved into during this pass. The scan ends early, returning true, when a visit
// returns true.
template <typename Visit>
bool eachUnmoved(Board& board, CellCode kind, Visit visit)
{
    board.moved.fill(0);
    for (int i = 0; (i = board.cells.find(kind, i)) < BoardCells; ++i) {
        if (board.moved.bytes()[i] == kind)
            continue;
        if (visit(i / BoardRows, i % BoardRows))
            return true;
    }
    return false;
}
}  // namespace

void Game::Timer1Timer()
{
    player_moved = false;
    tickframe = tickframe + 1 == AnimationFrames ? 0 : tickframe + 1;

    bombPass();
    // A fall that wins the level ends the tick at once.
    if (fallingPass(Diamond) || fallingPass(Stone))
        return;
    creaturePass(Yellow);
    creaturePass(Olive);
    explosionPass();
    blastAnimationPass();
    blast_phase = !blast_phase;
}

void Game::bombPass()
{
    const Sprite bomb{tickframe, BombSpriteRow};
    eachUnmoved(board, Bomb, [&](int x, int y) {
        draw(bomb, x, y);
        const std::uint8_t below = board.cells(x, y + 1);
        if (below == Empty)
            fall(x, y, Bomb, bomb);
        else if (board.motion(x, y) == Falling)
            requestBlast(x, y);  // it has landed
        else
            roll(x, y, Bomb, bomb, below);
        return false;
    });
}

bool Game::fallingPass(CellCode kind)
{
    const Sprite look = kind == Diamond ? Sprite{tickframe, DiamondSpriteRow} : StoneSprite;
    return eachUnmoved(board, kind, [&](int x, int y) {
        if (kind == Diamond)
            draw(look, x, y);
        const std::uint8_t below = board.cells(x, y + 1);
        if (below == Empty) {
            fall(x, y, kind, look);
        } else if (isStruckByFall(below) && board.motion(x, y) == Falling) {
            hit(x, y + 1, below, kind);
            fall(x, y, kind, kind == Stone && isCreature(below) ? CrushingStoneSprite : look);
        } else {
            board.motion.set(x, y, AtRest);
            roll(x, y, kind, look, below);
            return false;
        }
        return win_check();
    });
}

void Game::hit(int x, int y, std::uint8_t target, CellCode falling)
{
    switch (target) {
    case Player:
        requestBlast(x, y);
        killPlayer(falling == Diamond ? message::diamondFell() : message::stoneFell());
        break;
    case YellowEnemy:
    case OliveEnemy:
        loseCreature(target);
        break;
    default:  // the explosive codes
        requestBlast(x, y);
        break;
    }
}

void Game::fall(int x, int y, CellCode kind, Sprite sprite)
{
    moveObject(x, y, x, y + 1, kind, Falling, sprite);
}

void Game::roll(int x, int y, CellCode kind, Sprite sprite, std::uint8_t below)
{
    if (!isRollable(below))
        return;
    for (const int side : {1, -1}) {  // right before left
        if (board.cells(x + side, y) == Empty && board.cells(x + side, y + 1) == Empty) {
            moveObject(x, y, x + side, y, kind, Falling, sprite);
            return;
        }
    }
}

void Game::moveObject(int x, int y, int tx, int ty, CellCode kind, std::uint8_t motion, std::optional<Sprite> sprite)
{
    board.cells.set(tx, ty, kind);
    board.moved.set(tx, ty, kind);
    board.motion.set(tx, ty, motion);
    if (sprite)
        draw(*sprite, tx, ty);
    board.cells.set(x, y, Empty);
    if (sprite)
        draw(EmptySprite, x, y);
}

void Game::creaturePass(const CreatureKind& creature)
{
    eachUnmoved(board, creature.code, [&](int x, int y) {
        Direction heading = headingOf(board.motion(x, y));
        if (creature.keepsWallOnRight)
            heading = turnTowardsOpening(x, y, heading, creature.spriteRow);
        const Offset ahead = stepOf(heading);
        const int tx = x + ahead.dx;
        const int ty = y + ahead.dy;
        const Sprite facing{facingColumn(heading), creature.spriteRow};
        const std::uint8_t target = board.cells(tx, ty);
        if (target == Empty)
            moveObject(x, y, tx, ty, creature.code, heading, facing);
        else if (target == Player)
            catchPlayer(x, y, tx, ty, heading, creature.code);
        else if (creature.setsOff(target))
            requestBlast(tx, ty);
        else
            turnLeft(x, y, facing, turnedLeft(heading));
        return false;
    });
}

// Keeping the wall on its right, a creature turns towards an opening there and
// steps into it in the same tick.
Direction Game::turnTowardsOpening(int x, int y, Direction heading, int spriteRow)
{
    const Direction right = turnedRight(heading);
    const Offset side = stepOf(right);
    if (!isOpening(board.cells(x + side.dx, y + side.dy)))
        return heading;
    draw({facingColumn(right), spriteRow}, x, y);
    board.motion.set(x, y, right);
    return right;
}

// The creature takes the player's cell; the blast there at the end of the tick
// redraws the area, so nothing is drawn now.
void Game::catchPlayer(int x, int y, int tx, int ty, Direction heading, CellCode kind)
{
    killPlayer(message::caughtByEnemy());
    requestBlast(tx, ty);
    moveObject(x, y, tx, ty, kind, heading, std::nullopt);
}

// Blocked: the creature still shows its old heading; the new one shows when it is next drawn.
void Game::turnLeft(int x, int y, Sprite blocked, Direction heading)
{
    draw(blocked, x, y);
    board.motion.set(x, y, heading);
}

void Game::explosionPass()
{
    for (int i = 0; (i = currentBlasts().find(BlastRequested, i)) < BoardCells; ++i)
        exploy(i / BoardRows, i % BoardRows);
}

void Game::blastAnimationPass()
{
    auto& frames = board.blast_frame.bytes();
    for (int i = 0; i < BoardCells; ++i) {
        const std::uint8_t frame = frames[i];
        if (frame >= IdleBlastFrame)
            continue;
        if (board.cells.bytes()[i] == Empty)
            draw({frame, ExplosionSpriteRow}, i / BoardRows, i % BoardRows);
        frames[i] = frame + 1;
    }
}

// The world tick: animation, gravity, the two kinds of creatures, the explosions
// requested during the tick and their animation.
#include "game.h"

namespace {
bool isRollable(std::uint8_t code)  // something resting on it slides off sideways
{
    return code >= Stone && code <= RedWall;
}

bool isStruckByFall(std::uint8_t code)
{
    switch (code) {
    case Player:
    case YellowEnemy:
    case OliveEnemy:
    case Bomb:
    case BombCrate:
    case ExtraLife:
        return true;
    default:
        return false;
    }
}

bool isExplosive(std::uint8_t code)
{
    return code == Bomb || code == BombCrate || code == ExtraLife;
}

// What a creature heading one way looks at and turns to.
struct Heading {
    int dx, dy;          // the forward cell
    int spriteCol;       // the figure facing this way
    int rightDx, rightDy;  // the cell on the creature's right
    int rightSpriteCol;
    std::uint8_t turnRight, turnLeft;
};

const Heading& headingFor(std::uint8_t motion)
{
    static constexpr Heading down{0, 1, 0, -1, 0, 3, Left, Right};
    static constexpr Heading left{-1, 0, 3, 0, -1, 2, Up, Down};
    static constexpr Heading right{1, 0, 1, 0, 1, 0, Down, Up};
    static constexpr Heading up{0, -1, 2, 1, 0, 1, Right, Left};
    switch (motion) {
    case Down: return down;
    case Left: return left;
    case Right: return right;
    default: return up;  // only a damaged saved game holds another heading
    }
}

std::uint8_t headingOf(std::uint8_t motion)
{
    return motion == Down || motion == Left || motion == Right ? motion : std::uint8_t{Up};
}
}  // namespace

void Game::Timer1Timer()
{
    player_moved = 0;
    tickframe = tickframe + 1 == AnimationFrames ? 0 : tickframe + 1;

    bombPass();
    // A fall that wins the level ends the tick at once.
    if (fallingPass(Diamond) || fallingPass(Stone))
        return;
    yellowPass();
    olivePass();
    explosionPass();
    blastAnimationPass();
    blast_phase ^= 1;
}

void Game::bombPass()
{
    board.moved.fill(0);
    const Sprite bomb{tickframe, BombSpriteRow};
    for (int i = 0; (i = board.cells.find(Bomb, i)) < BoardCells; ++i) {
        if (board.moved.bytes()[i] == Bomb)
            continue;
        const int x = i / BoardRows;
        const int y = i % BoardRows;
        draw(bomb, x, y);
        const std::uint8_t below = board.cells(x, y + 1);
        if (below == Empty)
            fall(x, y, Bomb, bomb);
        else if (board.motion(x, y) == 1)
            requestBlast(x, y);  // it has landed
        else
            roll(x, y, Bomb, bomb, below);
    }
}

bool Game::fallingPass(CellCode kind)
{
    board.moved.fill(0);
    for (int i = 0; (i = board.cells.find(kind, i)) < BoardCells; ++i) {
        if (board.moved.bytes()[i] == kind)
            continue;
        const int x = i / BoardRows;
        const int y = i % BoardRows;
        const Sprite look = kind == Diamond ? Sprite{tickframe, DiamondSpriteRow} : StoneSprite;
        if (kind == Diamond)
            draw(look, x, y);
        const std::uint8_t below = board.cells(x, y + 1);
        if (below == Empty) {
            fall(x, y, kind, look);
        } else if (isStruckByFall(below) && board.motion(x, y) == 1) {
            hit(x, y + 1, below, kind);
            const bool crushesCreature = below == YellowEnemy || below == OliveEnemy;
            fall(x, y, kind, kind == Stone && crushesCreature ? CrushingStoneSprite : look);
        } else {
            board.motion.set(x, y, 0);
            roll(x, y, kind, look, below);
            continue;
        }
        if (win_check() == 1)
            return true;
    }
    return false;
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
    board.cells.set(x, y + 1, kind);
    board.moved.set(x, y + 1, kind);
    board.motion.set(x, y + 1, 1);
    draw(sprite, x, y + 1);
    board.cells.set(x, y, Empty);
    draw(EmptySprite, x, y);
}

void Game::roll(int x, int y, CellCode kind, Sprite sprite, std::uint8_t below)
{
    if (!isRollable(below))
        return;
    for (const int side : {1, -1}) {  // right before left
        if (board.cells(x + side, y) != Empty || board.cells(x + side, y + 1) != Empty)
            continue;
        board.cells.set(x + side, y, kind);
        board.moved.set(x + side, y, kind);
        board.motion.set(x + side, y, 1);
        draw(sprite, x + side, y);
        board.cells.set(x, y, Empty);
        draw(EmptySprite, x, y);
        return;
    }
}

void Game::yellowPass()
{
    board.moved.fill(0);
    for (int i = 0; (i = board.cells.find(YellowEnemy, i)) < BoardCells; ++i) {
        if (board.moved.bytes()[i] == YellowEnemy)
            continue;
        const int x = i / BoardRows;
        const int y = i % BoardRows;
        std::uint8_t heading = headingOf(board.motion(x, y));
        const Heading& before = headingFor(heading);
        switch (board.cells(x + before.rightDx, y + before.rightDy)) {
        case Empty:
        case Player:
        case Bomb:
        case BombCrate:
        case ExtraLife:  // keep the wall on the right: turn towards the opening
            draw({before.rightSpriteCol, YellowSpriteRow}, x, y);
            heading = before.turnRight;
            board.motion.set(x, y, heading);
            break;
        default:
            break;
        }
        const Heading& h = headingFor(heading);
        const int tx = x + h.dx;
        const int ty = y + h.dy;
        const std::uint8_t target = board.cells(tx, ty);
        if (target == Empty)
            moveEnemy(x, y, tx, ty, heading, YellowEnemy, {h.spriteCol, YellowSpriteRow});
        else if (target == Player)
            catchPlayer(x, y, tx, ty, heading, YellowEnemy);
        else if (isExplosive(target))
            requestBlast(tx, ty);
        else
            turnLeft(x, y, {h.spriteCol, YellowSpriteRow}, h.turnLeft);
    }
}

void Game::olivePass()
{
    board.moved.fill(0);
    for (int i = 0; (i = board.cells.find(OliveEnemy, i)) < BoardCells; ++i) {
        if (board.moved.bytes()[i] == OliveEnemy)
            continue;
        const int x = i / BoardRows;
        const int y = i % BoardRows;
        const std::uint8_t heading = headingOf(board.motion(x, y));
        const Heading& h = headingFor(heading);
        const int tx = x + h.dx;
        const int ty = y + h.dy;
        const std::uint8_t target = board.cells(tx, ty);
        if (target == Empty)
            moveEnemy(x, y, tx, ty, heading, OliveEnemy, {h.spriteCol, OliveSpriteRow});
        else if (target == Player)
            catchPlayer(x, y, tx, ty, heading, OliveEnemy);
        else if (target == ExtraLife)
            requestBlast(tx, ty);
        else  // bombs and bomb crates merely stop it
            turnLeft(x, y, {h.spriteCol, OliveSpriteRow}, h.turnLeft);
    }
}

void Game::moveEnemy(int x, int y, int tx, int ty, std::uint8_t heading, CellCode kind, Sprite sprite)
{
    board.cells.set(tx, ty, kind);
    board.moved.set(tx, ty, kind);
    board.motion.set(tx, ty, heading);
    draw(sprite, tx, ty);
    board.cells.set(x, y, Empty);
    draw(EmptySprite, x, y);
}

// The creature takes the player's cell; the blast there at the end of the tick
// redraws the area, so nothing is drawn now.
void Game::catchPlayer(int x, int y, int tx, int ty, std::uint8_t heading, CellCode kind)
{
    killPlayer(message::caughtByEnemy());
    requestBlast(tx, ty);
    board.cells.set(tx, ty, kind);
    board.moved.set(tx, ty, kind);
    board.motion.set(tx, ty, heading);
    board.cells.set(x, y, Empty);
}

// Blocked: the creature still shows its old heading; the new one shows when it is next drawn.
void Game::turnLeft(int x, int y, Sprite blocked, std::uint8_t heading)
{
    draw(blocked, x, y);
    board.motion.set(x, y, heading);
}

void Game::explosionPass()
{
    for (int i = 0; (i = currentBlasts().find(1, i)) < BoardCells; ++i)
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

// Level start, the win test and the placement of the field.
#include "game.h"

#include "levels.h"

namespace {
// Puts the player's cell near the middle of the window along one axis, without
// leaving a gap: the field never starts after `upper` nor ends before the window.
int placeAxis(int window, int cell, int upper, int extent)
{
    const int position = (window - CellPixels * cell) / 2 - CellPixels / 2 * cell;
    if (position > upper)
        return upper;
    if (position < window - extent)
        return window - extent;
    return position;
}

}  // namespace

Sprite levelStartSprite(std::uint8_t code)
{
    switch (code) {
    case Player: return {0, PlayerSpriteRow};
    case Earth: return EarthSprite;
    case YellowEnemy: return {0, YellowSpriteRow};
    case OliveEnemy: return {0, OliveSpriteRow};
    case Stone: return StoneSprite;
    case Bomb: return {0, BombSpriteRow};
    case Diamond: return {0, DiamondSpriteRow};
    case RedWall: return RedWallSprite;
    case PurpleWall: return PurpleWallSprite;
    case BombCrate: return BombCrateSprite;
    case ExtraLife: return ExtraLifeSprite;
    default: return EmptySprite;
    }
}
int fieldLeftFor(int windowWidth, int playerx)
{
    return placeAxis(windowWidth, playerx, 0, FieldWidth);
}

int fieldTopFor(int windowHeight, int playery)
{
    return placeAxis(windowHeight, playery, StatusBarHeight, FieldHeight);
}

FieldPosition fieldPlacement(int windowWidth, int windowHeight, int playerx, int playery)
{
    return {fieldLeftFor(windowWidth, playerx), fieldTopFor(windowHeight, playery)};
}

void Game::setWorldTimer(bool on)
{
    worldTimer = on;
    host_.setWorldTimer(on);
}

// A saved game may claim a built-in level beyond the last; nothing follows it
// either, or Enter would only step through levels that cannot be read.
bool Game::nextLevelExists()
{
    return internal ? level < BuiltinLevelCount : host_.levelExists(level + 1);
}

void Game::startlevel(int n)
{
    clearLevel();
    board.motion.fill(0);
    board.blast_a.fill(0);
    board.blast_b.fill(0);
    board.blast_frame.fill(IdleBlastFrame);

    std::optional<Picture> picture = internal ? builtinLevel(n) : host_.readLevel(n);
    if (!picture) {
        failLevel(n);
        return;
    }
    templevel = std::move(*picture);
    beginLevel(n, false);
}

void Game::resumelevel()
{
    clearLevel();
    beginLevel(level, true);
}

void Game::clearLevel()
{
    counters.diamonds = counters.yellow = counters.olive = 0;
    board.cells.fill(Empty);
    board.moved.fill(0);
}

void Game::beginLevel(int n, bool resumed)
{
    // A picture without the player would leave the player's position on a cell
    // that holds something else, and the first move would overwrite it.
    if (!holdsPlayer(templevel)) {
        failLevel(n);
        return;
    }

    scanLevelPicture(resumed);
    field = fieldPlacement(windowWidth, windowHeight, playerx, playery);
    host_.placeField(field.left, field.top);
    level = n;
    levelcaption = message::levelCaption(n).in(english);
    gamestate = Playing;
    setWorldTimer(true);
}

void Game::scanLevelPicture(bool resumed)
{
    for (int x = 0; x < BoardColumns; ++x) {
        for (int y = 0; y < BoardRows; ++y) {
            if (!templevel.contains(x, y))
                continue;
            const std::optional<std::uint8_t> code = cellForColour(templevel.pixel(x, y));
            if (!code)
                continue;
            board.cells.set(x, y, *code);
            switch (*code) {
            case Player:
                playerx = x;
                playery = y;
                break;
            case YellowEnemy:
            case OliveEnemy:
                if (!resumed)  // a saved game keeps where its creatures were heading
                    board.motion.set(x, y, Up);
                ++(*code == YellowEnemy ? counters.yellow : counters.olive);
                break;
            case Diamond:
                ++counters.diamonds;
                break;
            default:
                break;
            }
            draw(levelStartSprite(*code), x, y);
        }
    }
}

void Game::failLevel(int n)
{
    setWorldTimer(false);
    gamestate = LevelEnd;
    level = n;
    // A level file that is there but cannot be played is a fault, even at the
    // end of the run; only a file that is not there ends the game.
    const bool corrupt = nextLevelExists() || (!internal && host_.levelExists(n));
    say(corrupt ? message::externalLevelCorrupt(n) : message::allLevelsPassed());
}

bool Game::win_check()
{
    if (gamestate == Dead)
        return false;
    if (counters.diamonds + counters.yellow + counters.olive != 0)
        return false;
    setWorldTimer(false);
    gamestate = LevelEnd;
    say(nextLevelExists() ? message::levelPassed(level) : message::allLevelsPassed());
    return true;
}

void Game::killPlayer(const MessageText& how)
{
    --counters.lives;
    gamestate = Dead;
    say(how);
}

void Game::loseCreature(std::uint8_t code)
{
    --(code == YellowEnemy ? counters.yellow : counters.olive);
}

void Game::selfdestruct()
{
    board.blast_a.set(playerx, playery, BlastRequested);
}

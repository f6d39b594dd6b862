// The game's state and rules: level start, world tick, explosions, the win test
// and the player's moves. No toolkit: the window, the tape tool, the tests and
// the benchmarks all drive this same class.
#pragma once

#include "board.h"
#include "cells.h"
#include "host.h"
#include "messages.h"
#include "picture.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The name the settings give the built-in skin; any other names a skin file.
constexpr std::string_view BuiltInSkin = "<none>";

// What a new game starts with, and what a bomb crate adds.
constexpr int StartingLives = 3;
constexpr int StartingBombs = 5;
constexpr int BombsPerCrate = 5;
// The most lives or bombs a player can hold: the status bar has room for two
// digits. An extra life or a crate beyond it adds nothing.
constexpr int CounterLimit = 99;

struct Counters {
    int lives = StartingLives;
    int bombs = StartingBombs;
    int diamonds = 0;  // left on the board
    int yellow = 0;    // yellow creatures alive
    int olive = 0;     // olive creatures alive
};

struct CreatureKind;  // what tells the two kinds of creature apart in the world tick

struct FieldPosition {
    int left = 0;
    int top = 0;
    friend bool operator==(FieldPosition, FieldPosition) = default;
};

// The world ticks every 150 ms.
constexpr int TickMilliseconds = 150;

// The tile a cell of a level picture shows when the level starts.
Sprite levelStartSprite(std::uint8_t code);

// The view re-centres when the player steps onto every seventh column or row,
// up to the last one that is a whole seven cells from the board's start.
constexpr int ScrollTriggerStep = 7;
constexpr int LastScrollTriggerColumn = (BoardColumns - 1) / ScrollTriggerStep * ScrollTriggerStep;  // 56
constexpr int LastScrollTriggerRow = (BoardRows - 1) / ScrollTriggerStep * ScrollTriggerStep;        // 35

// Where the field picture stands so that the player's cell is near the middle of a
// window of the given size, below the status bar; the shared rule of the level
// start and of scrolling.
int fieldLeftFor(int windowWidth, int playerx);
int fieldTopFor(int windowHeight, int playery);
FieldPosition fieldPlacement(int windowWidth, int windowHeight, int playerx, int playery);

class Game {
public:
    explicit Game(GameHost& host) : host_(host) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Level start: builds the board from level picture n, draws it, counts it,
    // places the field and starts the world.
    void startlevel(int n);
    // The level start of a saved game put in by decodeSavedGame: the board from
    // templevel with the loaded motion and explosion planes.
    void resumelevel();
    // One world tick.
    void Timer1Timer();
    // One explosion centred on (x, y).
    void exploy(int x, int y);
    // Whether this call finds the level won (and ends it).
    bool win_check();
    // The player's one action between two ticks.
    void moveplayer(Direction direction, bool eat, bool bomb);
    // Re-centres the field when the player stands on a trigger column or row.
    void move_screen();
    // The self-destruction key: a request at the player's cell, always in blast_a.
    void selfdestruct();
    // Whether play can go on after the current level: built-in levels end at 30,
    // external ones at the first missing file.
    bool nextLevelExists();
    // Switches the world tick, keeping worldTimer and the host's timer together.
    void setWorldTimer(bool on);

    Board board;
    Counters counters;
    GameState gamestate = Menu;
    int level = 1;
    int playerx = 0;
    int playery = 0;
    std::uint8_t tickframe = 0;
    bool player_moved = false;
    bool blast_phase = false;
    bool english = true;
    bool internal = true;
    std::string levelcaption;  // the status bar's level text, set by the level start
    Picture templevel;         // the level picture being read
    bool worldTimer = false;   // whether the world tick is running
    int windowWidth = 1024;
    int windowHeight = 768;
    FieldPosition field;       // where the field picture stands in the window

private:
    Plane& currentBlasts() { return blast_phase ? board.blast_a : board.blast_b; }
    Plane& nextBlasts() { return blast_phase ? board.blast_b : board.blast_a; }
    void requestBlast(int x, int y) { currentBlasts().set(x, y, BlastRequested); }

    void say(const MessageText& message) { host_.showmessageimage(message.english, message.russian); }
    void draw(Sprite s, int x, int y) { host_.drawitem(s.col, s.row, x, y); }
    void killPlayer(const MessageText& how);
    void loseCreature(std::uint8_t code);  // a yellow or olive creature is gone
    void clearLevel();
    void beginLevel(int n, bool resumed);
    void scanLevelPicture(bool resumed);
    void failLevel(int n);

    void bombPass();
    bool fallingPass(CellCode kind);
    void hit(int x, int y, std::uint8_t target, CellCode falling);
    void fall(int x, int y, CellCode kind, Sprite sprite);
    void roll(int x, int y, CellCode kind, Sprite sprite, std::uint8_t below);
    // Puts `kind` into (tx, ty), marked as moved in this pass and with the given
    // motion, and empties (x, y); draws both cells when a sprite is given.
    void moveObject(int x, int y, int tx, int ty, CellCode kind, std::uint8_t motion, std::optional<Sprite> sprite);
    void creaturePass(const CreatureKind& creature);
    Direction turnTowardsOpening(int x, int y, Direction heading, int spriteRow);
    void catchPlayer(int x, int y, int tx, int ty, Direction heading, CellCode kind);
    void turnLeft(int x, int y, Sprite blocked, Direction heading);
    void explosionPass();
    void blastAnimationPass();

    void takePickup(std::uint8_t code);
    void pushOrTurn(int dx, Sprite facing, std::uint8_t target);
    void step(int dx, int dy, Sprite facing, std::uint8_t target);

    GameHost& host_;
};

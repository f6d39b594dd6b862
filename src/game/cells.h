// Cell codes, game states and directions: the vocabulary every part of the game shares.
#pragma once

#include <cstdint>

constexpr int BoardColumns = 60;
constexpr int BoardRows = 40;
constexpr int BoardCells = BoardColumns * BoardRows;
constexpr int CellPixels = 30;
constexpr int FieldWidth = BoardColumns * CellPixels;   // 1800
constexpr int FieldHeight = BoardRows * CellPixels;     // 1200
// The status bar across the top of the window; the field never starts above it.
constexpr int StatusBarHeight = 30;

enum CellCode : std::uint8_t {
    Empty = 0,
    Player = 1,
    Earth = 2,
    YellowEnemy = 3,
    OliveEnemy = 4,
    Stone = 5,
    Bomb = 6,
    Diamond = 7,
    RedWall = 8,
    PurpleWall = 9,
    BombCrate = 10,
    ExtraLife = 11,
};
constexpr int CellCodeCount = 12;

enum GameState : std::uint8_t {
    Menu = 0,
    MenuInGame = 1,
    Playing = 2,
    LevelEnd = 3,
    Dead = 4,
    Paused = 5,
    MenuMessageInGame = 6,
    MenuMessage = 7,
    Title = 8,
    TitleSkippable = 9,
};

// Directions are numeric-keypad digits: 2 down, 4 left, 6 right, 8 up.
enum Direction : std::uint8_t { Down = 2, Left = 4, Right = 6, Up = 8 };

constexpr bool isDirection(int value)
{
    return value == Down || value == Left || value == Right || value == Up;
}

// The neighbouring cell one step away.
struct Offset {
    int dx, dy;
};
constexpr Offset stepOf(Direction d)
{
    switch (d) {
    case Down: return {0, 1};
    case Left: return {-1, 0};
    case Right: return {1, 0};
    default: return {0, -1};
    }
}

// The sprite column of a figure facing that way: down, right, up, left.
constexpr int facingColumn(Direction d)
{
    switch (d) {
    case Down: return 0;
    case Right: return 1;
    case Up: return 2;
    default: return 3;
    }
}

// Quarter turns, as the figure facing that way turns.
constexpr Direction turnedRight(Direction d)
{
    switch (d) {
    case Down: return Left;
    case Left: return Up;
    case Up: return Right;
    default: return Down;
    }
}
constexpr Direction turnedLeft(Direction d)
{
    switch (d) {
    case Down: return Right;
    case Right: return Up;
    case Up: return Left;
    default: return Down;
    }
}

// Sprite sheet places of the board's fixed tiles (column, row).
struct Sprite {
    int col;
    int row;
    bool operator==(const Sprite&) const = default;
};
constexpr Sprite EmptySprite{5, 6};
constexpr Sprite EarthSprite{0, 5};
constexpr Sprite RedWallSprite{1, 5};
constexpr Sprite PurpleWallSprite{2, 5};
constexpr Sprite StoneSprite{3, 5};
constexpr Sprite CrushingStoneSprite{4, 5};
constexpr Sprite BombCrateSprite{5, 5};
constexpr Sprite ExtraLifeSprite{4, 3};
constexpr Sprite StatusBarSprite{5, 3};  // the status bar's background
constexpr int PlayerSpriteRow = 0;
constexpr int BombSpriteRow = 1;
constexpr int DiamondSpriteRow = 2;
constexpr int YellowSpriteRow = 3;
constexpr int OliveSpriteRow = 4;
constexpr int ExplosionSpriteRow = 6;
constexpr int MessageSpriteRow = 7;
constexpr int AnimationFrames = 6;
constexpr int IdleBlastFrame = 6;

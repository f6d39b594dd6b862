// The player's moves, pick-ups, pushes, bombs, and the view that follows the player.
#include "play.h"

#include <gtest/gtest.h>

namespace {
using Rows = std::vector<std::string>;

TEST(Push, StoneOrBombMovesSidewaysOnlyIntoAnEmptyCell)
{
    Play stone({"#######",
                "#@O...#",
                "#:::::#",
                "#....*#",
                "#######"});
    stone.game.board.motion.set(2, 1, 1);
    stone.key(Right);
    EXPECT_EQ(stone.text(5, 2), (Rows{"#####", "#.@O."}));
    EXPECT_EQ(stone.game.board.motion(3, 1), 0);
    EXPECT_EQ(stone.host.draws.back(), (Draw{5, 6, 1, 1}));

    Play bomb({"#######",
               "#..b@.#",
               "#:::::#",
               "#....*#",
               "#######"});
    bomb.game.tickframe = 4;
    bomb.key(Left);
    EXPECT_EQ(bomb.text(6, 2), (Rows{"######", "#.b@.."}));
    const Draw drawnBomb{4, 1, 2, 1};
    EXPECT_NE(std::find(bomb.host.draws.begin(), bomb.host.draws.end(), drawnBomb), bomb.host.draws.end());

    for (const char beyond : {':', 'O', '#', '*', 'y'}) {
        Rows rows{"#######",
                  "#@OX..#",
                  "#:::::#",
                  "#....*#",
                  "#######"};
        rows[1][3] = beyond;
        Play blocked(rows);
        blocked.host.draws.clear();
        blocked.key(Right);
        EXPECT_EQ(blocked.at(1, 1), Player) << beyond;
        EXPECT_EQ(blocked.at(2, 1), Stone) << beyond;
        EXPECT_EQ(blocked.host.draws, (std::vector<Draw>{{1, 0, 1, 1}})) << "the player only turns";
    }
}

TEST(Push, NeverUpOrDown)
{
    Play p({"#####",
            "#.O.#",
            "#.@.#",
            "#.b.#",
            "#.:.#",
            "#..*#",
            "#####"});
    p.key(Up);
    EXPECT_EQ(p.game.playery, 2);
    p.ticks(1);
    p.key(Down);
    EXPECT_EQ(p.game.playery, 2);
    EXPECT_EQ(p.host.draws.back(), (Draw{0, 0, 2, 2}));
}

TEST(Bombs, DroppedOnlyIntoEmptyOrEarthWhileTheCountLasts)
{
    Play p({"######",
            "#:@*.#",
            "#....#",
            "#...*#",
            "######"});
    p.key(Right, false, true);
    EXPECT_EQ(p.at(3, 1), Diamond);
    EXPECT_EQ(p.game.counters.bombs, StartingBombs);
    p.ticks(1);
    p.key(Left, true, true);  // bomb wins over eat
    EXPECT_EQ(p.at(1, 1), Bomb);
    EXPECT_EQ(p.game.board.motion(1, 1), 0);
    EXPECT_EQ(p.game.counters.bombs, StartingBombs - 1);
    EXPECT_EQ(p.game.playerx, 2);

    Play none({"######",
               "#.@..#",
               "#...*#",
               "######"},
              StartingLives, 0);
    none.key(Left, false, true);
    EXPECT_EQ(none.at(1, 1), Empty);
    EXPECT_EQ(none.game.counters.bombs, 0);
    EXPECT_EQ(none.host.draws.back(), (Draw{3, 0, 2, 1}));
}

TEST(PickUps, SteppingAndEatingGiveTheSame)
{
    Play step({"########",
               "#@+B*..#",
               "#:::::*#",
               "########"});
    step.key(Right);
    step.ticks(1);
    step.key(Right);
    step.ticks(1);
    step.key(Right);
    EXPECT_EQ(step.game.counters.lives, StartingLives + 1);
    EXPECT_EQ(step.game.counters.bombs, StartingBombs + BombsPerCrate);
    EXPECT_EQ(step.game.counters.diamonds, 1);
    EXPECT_EQ(step.game.playerx, 4);

    Play eat({"#######",
              "#.+.B.#",
              "#.:@*.#",
              "#######"});
    eat.key(Up, true);
    EXPECT_EQ(eat.game.counters.lives, StartingLives) << "eating an empty cell changes nothing";
    eat.ticks(1);
    eat.key(Left, true);
    EXPECT_EQ(eat.at(2, 2), Empty);
    EXPECT_EQ(eat.game.board.motion(2, 2), 0);
    eat.ticks(1);
    eat.key(Right, true);
    EXPECT_EQ(eat.game.playerx, 3);
    EXPECT_EQ(eat.game.gamestate, LevelEnd) << "the last diamond is taken without moving";
}

// Lives and bombs stop at what the status bar shows, never wrapping round.
TEST(PickUps, CountersStopAtTheirLimit)
{
    Play p({"#######",
            "#@+B*.#",
            "#######"},
           CounterLimit, CounterLimit - 1);
    p.key(Right);
    p.ticks(1);
    p.key(Right);
    EXPECT_EQ(p.game.counters.lives, CounterLimit);
    EXPECT_EQ(p.game.counters.bombs, CounterLimit);
}

TEST(PickUps, EatingWhatCannotBeEatenStillTests)
{
    Play p({"######",
            "#@O..#",
            "######"});
    p.key(Right, true);
    EXPECT_EQ(p.at(2, 1), Stone);
    EXPECT_EQ(p.game.gamestate, LevelEnd);
}

TEST(Creatures, WalkingIntoOneKillsThePlayerWhereItStands)
{
    Play p({"######",
            "#@o:.#",
            "#::::#",
            "#...*#",
            "######"});
    p.key(Right);
    EXPECT_EQ(p.game.gamestate, Dead);
    EXPECT_EQ(p.game.counters.lives, StartingLives - 1);
    EXPECT_EQ(p.host.message, "You have encountered an enemy");
    EXPECT_EQ(p.host.russian, "Вы натолкнулись на врага");
    EXPECT_EQ(p.at(1, 1), Empty);
    EXPECT_EQ(p.at(2, 1), OliveEnemy);
    EXPECT_EQ(p.game.playerx, 2);
    EXPECT_EQ(p.game.board.blast_b(2, 1), 1);
    p.ticks(1);
    EXPECT_EQ(p.at(2, 1), Empty);
    EXPECT_EQ(p.game.counters.olive, 0);
    EXPECT_EQ(p.game.counters.lives, StartingLives - 1) << "the player was already gone from the board";
}

TEST(Viewport, PlacementKeepsTheFieldAgainstTheEdges)
{
    EXPECT_EQ(fieldLeftFor(1024, 0), 0);
    EXPECT_EQ(fieldLeftFor(1024, 59), -776);
    EXPECT_EQ(fieldLeftFor(1024, 56), -776);
    EXPECT_EQ(fieldLeftFor(1024, 20), (1024 - 600) / 2 - 300);
    EXPECT_EQ(fieldTopFor(768, 0), StatusBarHeight);
    EXPECT_EQ(fieldTopFor(768, 39), -432);
    EXPECT_EQ(fieldTopFor(768, 7), StatusBarHeight);
    EXPECT_EQ(fieldTopFor(768, 21), (768 - 630) / 2 - 315);
    EXPECT_EQ(fieldLeftFor(1920, 10), 0);
    EXPECT_EQ(fieldLeftFor(1920, 40), 120);
    EXPECT_EQ(fieldTopFor(1300, 39), 100) << "higher than the field: upper bound first";
    EXPECT_EQ(fieldLeftFor(1025, 40), -687) << "division truncates toward zero";
}

TEST(Viewport, TheViewJumpsOnlyOnTriggerColumns)
{
    Rows rows(12, std::string(60, '.'));
    rows.front() = rows.back() = std::string(60, '#');
    for (auto& row : rows)
        row.front() = row.back() = '#';
    rows[5][6] = '@';
    rows[5][7] = 'O';  // pushed on as the player steps into column 7
    rows[6][7] = ':';
    rows[10][58] = '*';
    Play p(rows);
    const FieldPosition start = p.host.field;
    const int switches = p.host.timerSwitches;

    p.key(Right);  // 6 -> 7, pushing the stone
    EXPECT_EQ(p.host.field.left, fieldLeftFor(1024, 7));
    EXPECT_EQ(p.host.field.top, start.top);
    EXPECT_EQ(p.host.timerSwitches, switches + 2) << "off, then on again";
    EXPECT_TRUE(p.game.worldTimer);
    p.host.field = {-1, -1};
    p.ticks(1);
    p.key(Left);  // 7 -> 6
    EXPECT_EQ(p.host.field, (FieldPosition{-1, -1}));
    p.ticks(1);
    p.key(Right);  // 6 -> 7 again
    EXPECT_EQ(p.host.field.left, fieldLeftFor(1024, 7));

    p.ticks(1);
    p.key(Down);  // row 5 -> 6
    p.ticks(1);
    p.host.field = {-1, -1};
    p.key(Down);  // row 6 -> 7
    EXPECT_EQ(p.host.field, (FieldPosition{fieldLeftFor(1024, 7), StatusBarHeight}));
}
// Walked along the whole top row and down the whole right-hand column of an
// open board, the player makes the view jump on every column and every row
// whose number is a multiple of seven, the last ones included, and nowhere else.
TEST(Viewport, EverySeventhColumnAndRowAcrossTheWholeBoard)
{
    Rows rows(BoardRows, std::string(BoardColumns, '.'));
    rows[0][0] = '@';
    rows[BoardRows - 1][0] = '*';
    Play p(rows);
    const auto walk = [&](Direction direction, int& position, int last, int FieldPosition::*moved,
                          int (*placement)(int, int), int window) {
        while (position < last) {
            p.ticks(1);
            p.host.field = {-1, -1};
            p.key(direction);
            const bool jumped = p.host.field != FieldPosition{-1, -1};
            EXPECT_EQ(jumped, position % 7 == 0) << "at " << position;
            if (jumped) {
                EXPECT_EQ(p.host.field.*moved, placement(window, position)) << "at " << position;
            }
        }
    };
    walk(Right, p.game.playerx, BoardColumns - 1, &FieldPosition::left, fieldLeftFor, p.game.windowWidth);
    walk(Down, p.game.playery, BoardRows - 1, &FieldPosition::top, fieldTopFor, p.game.windowHeight);
    EXPECT_EQ(p.game.playerx, BoardColumns - 1);
    EXPECT_EQ(p.game.playery, BoardRows - 1);
}
}  // namespace

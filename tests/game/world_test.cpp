// The world tick: gravity, rolling, creatures, and the end of a tick after a win.
#include "play.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>

namespace {
using Rows = std::vector<std::string>;

TEST(Gravity, RestingObjectDoesNotHurtButARolledOneCrushes)
{
    Play resting({"#####",
                  "#.O.#",
                  "#.@*#",
                  "#####"});
    resting.ticks(3);
    EXPECT_EQ(resting.game.gamestate, Playing);

    // The upper stone rolls off the lower one (motion 1); the player steps under it.
    Play rolled({"########",
                 "#..O...#",
                 "#..O.@*#",
                 "#::::::#",
                 "########"});
    rolled.ticks(1);
    EXPECT_EQ(rolled.at(4, 1), Stone);
    EXPECT_EQ(rolled.game.board.motion(4, 1), 1);
    rolled.key(Left);
    rolled.ticks(1);
    EXPECT_EQ(rolled.game.gamestate, Dead);
    EXPECT_EQ(rolled.game.counters.lives, StartingLives - 1);
    EXPECT_EQ(rolled.host.message, "The stone has been fell on you");
    EXPECT_EQ(rolled.host.russian, "На вас упал камень");
    EXPECT_EQ(rolled.at(4, 2), Empty) << "the blast on the player's cell takes the stone";
    EXPECT_EQ(rolled.game.board.blast_frame(4, 2), 1);
}

TEST(Gravity, FallingBombExplodesWhereItLands)
{
    Play p({"##########",
            "#.b.....@#",
            "#........#",
            "#::::::::#",
            "#*.......#",
            "##########"});
    p.ticks(1);
    EXPECT_EQ(p.at(2, 2), Bomb);
    EXPECT_EQ(p.game.board.motion(2, 2), 1);
    p.ticks(1);
    EXPECT_EQ(p.at(2, 2), Empty);
    EXPECT_EQ(p.at(1, 3), Empty) << "the blast clears the earth below";
    EXPECT_EQ(p.at(4, 3), Earth);
    EXPECT_EQ(p.game.board.blast_frame(2, 2), 1);
    EXPECT_EQ(p.game.gamestate, Playing);
}

TEST(Gravity, ObjectsRollOnlyOffStonesBombsDiamondsAndRedWalls)
{
    const std::pair<char, bool> supports[] = {{'O', true},  {'b', true},  {'*', true},  {'#', true},
                                              {':', false}, {'%', false}, {'y', false}, {'o', false},
                                              {'@', false}, {'B', false}, {'+', false}};
    for (const auto& [support, rolls] : supports) {
        Rows rows{"########",
                  "#..O...#",
                  "#..X...#",
                  "#::::::#",
                  "#@....*#",
                  "########"};
        rows[2][3] = support;
        if (support == '@')
            rows[4][1] = '.';
        Play p(rows);
        p.ticks(1);
        EXPECT_EQ(p.at(4, 1), rolls ? Stone : Empty) << "on " << support;
        EXPECT_EQ(p.at(3, 1), rolls ? Empty : Stone) << "on " << support;
    }
}

TEST(Gravity, RollingTriesRightBeforeLeftAndNeedsBothCellsFree)
{
    Play both({"#######",
               "#..*..#",
               "#..O..#",
               "#:::::#",
               "#@...*#",
               "#######"});
    both.ticks(1);
    EXPECT_EQ(both.at(4, 1), Diamond);

    Play leftOnly({"#######",
                   "#..*..#",
                   "#..O:.#",
                   "#:::::#",
                   "#@...*#",
                   "#######"});
    leftOnly.ticks(1);
    EXPECT_EQ(leftOnly.at(2, 1), Diamond);
    EXPECT_EQ(leftOnly.game.board.motion(2, 1), 1);
}

TEST(Gravity, UpperOfTwoStonesWaitsForTheLowerToFall)
{
    Play p({"#####",
            "#.O.#",
            "#:O:#",
            "#...#",
            "#...#",
            "#@.*#",
            "#####"});
    p.ticks(1);
    EXPECT_EQ(p.text(5, 5), (Rows{"#####", "#.O.#", "#:.:#", "#.O.#", "#...#"}));
    p.ticks(1);
    EXPECT_EQ(p.text(5, 5), (Rows{"#####", "#...#", "#:O:#", "#...#", "#.O.#"}));
}

// Whatever explodes goes off under a falling stone, taking the stone with it;
// earth only stops it.
TEST(Gravity, AFallingStoneSetsOffEveryExplosiveItLandsOn)
{
    for (const char below : {'b', 'B', '+', ':'}) {
        Rows rows{"#######",
                  "#..O..#",
                  "#.....#",
                  "#..X..#",
                  "#:::::#",
                  "#@...*#",
                  "#######"};
        rows[3][3] = below;
        Play p(rows);
        p.ticks(2);
        const bool explodes = below != ':';
        EXPECT_EQ(p.at(3, 2), explodes ? Empty : Stone) << "on " << below;
        EXPECT_EQ(p.at(3, 3), explodes ? Empty : Earth) << "on " << below;
        EXPECT_EQ(p.game.board.blast_frame(3, 3), explodes ? 1 : IdleBlastFrame) << "on " << below;
    }
}

TEST(Gravity, FallingStoneCrushesACreatureWithoutAnExplosion)
{
    Play p({"#######",
            "#..O..#",
            "#.....#",
            "#..o..#",
            "#:::::#",
            "#@...*#",
            "#######"});
    p.ticks(2);
    EXPECT_EQ(p.at(3, 3), Stone);
    EXPECT_EQ(p.game.counters.olive, 0);
    EXPECT_EQ(p.host.draws.back(), (Draw{5, 6, 3, 2}));
    const Draw crushed{4, 5, 3, 3};
    EXPECT_NE(std::find(p.host.draws.begin(), p.host.draws.end(), crushed), p.host.draws.end());
    EXPECT_EQ(p.at(3, 4), Earth) << "no blast";
    EXPECT_EQ(p.game.gamestate, Playing);
}

TEST(Gravity, DiamondLandingOnABombIsDestroyedAndThePlayerDiesNextTick)
{
    Play p({"#########",
            "#..*....#",
            "#.......#",
            "#..b..*.#",
            "#:::::::#",
            "#.....@.#",
            "#########"});
    p.ticks(2);
    EXPECT_EQ(p.game.gamestate, Dead);
    EXPECT_EQ(p.host.message, "The diamond has been destroyed by an explosive wave");
    EXPECT_EQ(p.game.counters.diamonds, 1);
    EXPECT_EQ(p.game.counters.lives, StartingLives);
    p.ticks(1);
    EXPECT_EQ(p.game.counters.lives, StartingLives - 1);
    EXPECT_EQ(p.at(6, 5), Empty);
    EXPECT_EQ(p.host.message, "The diamond has been destroyed by an explosive wave") << "first message stays";
}

TEST(Gravity, WinByAFallEndsTheTickAtOnce)
{
    Play p({"#######",
            "#..O..#",
            "#.....#",
            "#..o..#",
            "#:::::#",
            "#@...y#",
            "#######"});
    p.host.levels[2] = p.host.levels[1];
    p.ticks(1);
    // Kill the yellow creature by hand so that the crushed olive one is the last.
    p.game.board.cells.set(5, 5, Empty);
    p.game.counters.yellow = 0;
    p.game.board.blast_a.set(4, 4, 1);  // due at the end of the next tick
    const auto phase = p.game.blast_phase;
    p.ticks(1);
    EXPECT_EQ(p.game.gamestate, LevelEnd);
    EXPECT_FALSE(p.game.worldTimer);
    EXPECT_EQ(p.host.message, "You have passed level 1 !!!");
    EXPECT_EQ(p.host.russian, "Вы прошли уровень 1 !!!");
    EXPECT_EQ(p.game.blast_phase, phase) << "the flip at the end is skipped";
    EXPECT_EQ(p.game.board.blast_a(4, 4), 1) << "no explosion in that tick";
    EXPECT_EQ(p.at(4, 4), Earth);
}

TEST(Creatures, YellowCirclesClockwiseInOpenSpace)
{
    Play p({"#########",
            "#@......#",
            "#.......#",
            "#.......#",
            "#...y...#",
            "#.......#",
            "#.......#",
            "########*"});
    const std::pair<int, int> path[] = {{5, 4}, {5, 5}, {4, 5}, {4, 4}, {5, 4}};
    for (const auto& [x, y] : path) {
        p.ticks(1);
        EXPECT_EQ(p.at(x, y), YellowEnemy) << x << "," << y;
    }
}

TEST(Creatures, OliveRunsRoundAnEmptyRoomTurningLeft)
{
    Play p({"#########",
            "#.....#@#",
            "#.....###",
            "#..o..#*#",
            "#.....###",
            "#########"});
    const std::pair<int, int> path[] = {{3, 2}, {3, 1}, {3, 1}, {2, 1}, {1, 1}, {1, 1}, {1, 2},
                                        {1, 3}, {1, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4},
                                        {5, 4}, {5, 3}, {5, 2}, {5, 1}, {5, 1}, {4, 1}};
    int tick = 0;
    for (const auto& [x, y] : path) {
        p.ticks(1);
        ++tick;
        EXPECT_EQ(p.at(x, y), OliveEnemy) << "tick " << tick;
    }
}

TEST(Creatures, YellowTurnsTowardsThePlayerOnItsRightAndCatchesIt)
{
    Play p({"#######",
            "#.....#",
            "#.y@..#",
            "#.....#",
            "#....*#",
            "#######"});
    p.ticks(1);
    EXPECT_EQ(p.game.gamestate, Dead);
    EXPECT_EQ(p.game.counters.lives, StartingLives - 1);
    EXPECT_EQ(p.host.message, "You have been caught by an enemy");
    EXPECT_EQ(p.at(3, 2), Empty) << "the blast on the player's cell takes the creature too";
    EXPECT_EQ(p.game.counters.yellow, 0);
    EXPECT_TRUE(p.game.worldTimer) << "a dead player's world keeps running";
}

TEST(Creatures, YellowSetsOffABombOnItsRightOliveOnlyAnExtraLife)
{
    Play yellow({"#######",
                 "#.....#",
                 "#.yb..#",
                 "#..:..#",
                 "#@...*#",
                 "#######"});
    yellow.ticks(1);
    EXPECT_EQ(yellow.at(3, 2), Empty);
    EXPECT_EQ(yellow.game.counters.yellow, 0);

    Play olive({"#######",
                "#.b.B.#",
                "#.o.o.#",
                "#.....#",
                "#@...*#",
                "#######"});
    olive.ticks(1);
    EXPECT_EQ(olive.at(2, 1), Bomb);
    EXPECT_EQ(olive.at(4, 1), BombCrate);
    EXPECT_EQ(olive.game.board.motion(2, 2), Left);
    EXPECT_EQ(olive.game.board.motion(4, 2), Left);

    Play life({"#######",
               "#..+..#",
               "#..o..#",
               "#.....#",
               "#@...*#",
               "#######"});
    life.ticks(1);
    EXPECT_EQ(life.at(3, 1), Empty);
    EXPECT_EQ(life.game.counters.olive, 0);
}

constexpr Direction Ways[] = {Down, Left, Right, Up};

// The sprite column the player shows after a step that way.
int playerFacingAfterStep(Direction direction)
{
    Play p({"#####",
            "#...#",
            "#.@.#",
            "#...#",
            "####*"});
    p.key(direction);
    return p.host.draws.back().col;
}

// Both kinds of creature, sent off in each of the four headings, show the
// figure that the player shows stepping the same way, four different ones.
TEST(Creatures, FaceTheWayTheyStepAsThePlayerDoes)
{
    for (const char kind : {'y', 'o'}) {
        std::set<int> columns;
        for (const Direction heading : Ways) {
            Rows rows{"#######",
                      "#.....#",
                      "#.....#",
                      "#..X..#",
                      "#.....#",
                      "#.....#",
                      "#@####*"};
            rows[3][3] = kind;
            Play p(rows);
            const std::uint8_t code = p.at(3, 3);
            p.game.board.motion.set(3, 3, heading);
            p.host.draws.clear();
            p.ticks(1);
            const Direction* stepped = std::find_if(std::begin(Ways), std::end(Ways), [&](Direction way) {
                return p.at(3 + stepOf(way).dx, 3 + stepOf(way).dy) == code;
            });
            ASSERT_NE(stepped, std::end(Ways)) << kind << " heading " << int(heading) << " did not step";
            const int x = 3 + stepOf(*stepped).dx;
            const int y = 3 + stepOf(*stepped).dy;
            const auto shown = std::find_if(p.host.draws.rbegin(), p.host.draws.rend(),
                                            [&](const Draw& d) { return d.x == x && d.y == y; });
            ASSERT_NE(shown, p.host.draws.rend()) << "nothing drawn where " << kind << " stepped";
            EXPECT_EQ(shown->row, code == YellowEnemy ? YellowSpriteRow : OliveSpriteRow);
            EXPECT_EQ(shown->col, playerFacingAfterStep(*stepped)) << kind << " stepping " << int(*stepped);
            columns.insert(shown->col);
        }
        EXPECT_EQ(columns.size(), 4u) << kind;
    }
}

TEST(Creatures, StartHeadingUpAndADamagedHeadingActsAsUp)
{
    Play p({"#######",
            "#.:...#",
            "#.o.y.#",
            "#..:..#",
            "#@...*#",
            "#######"});
    EXPECT_EQ(p.game.board.motion(2, 2), Up);
    EXPECT_EQ(p.game.board.motion(4, 2), Up);
    p.ticks(1);
    EXPECT_EQ(p.game.board.motion(2, 2), Left) << "olive blocked above turns left";
    EXPECT_EQ(p.at(5, 2), YellowEnemy) << "yellow turns to the open cell on its right";
    EXPECT_EQ(p.game.board.motion(5, 2), Right);

    Play damaged({"#######",
                  "#.....#",
                  "#.:o:.#",
                  "#..:..#",
                  "#@...*#",
                  "#######"});
    damaged.game.board.motion.set(3, 2, 77);
    damaged.ticks(1);
    EXPECT_EQ(damaged.at(3, 1), OliveEnemy);
    EXPECT_EQ(damaged.game.board.motion(3, 1), Up);
}

TEST(Tick, AnimatesBombsAndDiamondsInStepWithTheTickFrame)
{
    Play p({"#####",
            "#b*@#",
            "#:::#",
            "#####"});
    p.game.tickframe = 5;
    p.host.draws.clear();
    p.ticks(1);
    EXPECT_EQ(p.game.tickframe, 0);
    EXPECT_EQ(p.host.draws, (std::vector<Draw>{{0, 1, 1, 1}, {0, 2, 2, 1}}));
    EXPECT_FALSE(p.game.player_moved);
}

TEST(Tick, AKeyAfterTheLevelsLastMoveWaitsForTheNextLevelsFirstTick)
{
    Play p({"#####",
            "#@*.#",
            "#####"});
    p.host.levels[2] = p.host.levels[1];
    p.key(Right);
    EXPECT_EQ(p.game.gamestate, LevelEnd);
    p.game.startlevel(2);
    const int x = p.game.playerx;
    p.key(Right);
    EXPECT_EQ(p.game.playerx, x);
    p.ticks(1);
    p.key(Right);
    EXPECT_EQ(p.game.playerx, x + 1);
}

// Without a wall ring the first and the last cell of the board are ordinary
// cells: every scan of the tick reaches both.
TEST(Tick, TheScansReachTheFirstAndTheLastCellOfAnUnframedBoard)
{
    Rows rows(BoardRows, std::string(BoardColumns, '.'));
    rows[20][30] = '@';
    rows[20][10] = 'y';  // something left to win
    for (const auto& [x, y] : {std::pair{0, 0}, {BoardColumns - 1, BoardRows - 1}}) {
        for (const char thing : {'y', 'o', 'b', '*'}) {
            Rows board = rows;
            board[y][x] = thing;
            Play p(board);
            p.host.draws.clear();
            p.ticks(1);
            const bool drawn = std::any_of(p.host.draws.begin(), p.host.draws.end(),
                                           [&](const Draw& d) { return d.x == x && d.y == y; });
            EXPECT_TRUE(drawn) << thing << " at " << x << "," << y;
        }
        Play blast(rows);
        blast.game.board.blast_b.set(x, y, BlastRequested);
        blast.ticks(1);
        EXPECT_EQ(blast.game.board.blast_frame(x, y), 1) << "the request at " << x << "," << y << " goes off";
    }
}
}  // namespace

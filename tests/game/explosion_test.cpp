// Explosions, chain reactions and the win test.
#include "play.h"

#include <gtest/gtest.h>

namespace {
using Rows = std::vector<std::string>;

TEST(Explosions, SelfDestructionGoesOffWhenBlastAIsCurrentAndSparesTheRedWall)
{
    for (const int ticksFirst : {0, 1}) {
        Play p({"######",
                "#@::.#",
                "#:::.#",
                "#:..*#",
                "######"});
        p.ticks(ticksFirst);
        p.game.selfdestruct();
        EXPECT_EQ(p.game.board.blast_a(1, 1), 1);
        const int expectedTicks = p.game.blast_phase ? 1 : 2;
        p.ticks(expectedTicks - 1);
        EXPECT_EQ(p.game.gamestate, Playing);
        p.ticks(1);
        EXPECT_EQ(p.game.gamestate, Dead);
        EXPECT_EQ(p.host.message, "You have been losted from an explosive wave");
        EXPECT_EQ(p.host.russian, "Вы погибли от взрывной волны");
        EXPECT_EQ(p.game.counters.lives, StartingLives - 1);
        EXPECT_EQ(p.text(4, 4), (Rows{"####", "#..:", "#..:", "#:.."}));
    }
}

TEST(Explosions, BlastCentredWhereThePlayerWasClearsTheBlockAnyway)
{
    Play p({"#########",
            "#:::::::#",
            "#:@.....#",
            "#:::::::#",
            "#......*#",
            "#########"});
    p.game.selfdestruct();
    p.key(Right);
    p.ticks(1);
    p.key(Right);
    p.ticks(1);
    EXPECT_EQ(p.game.gamestate, Playing);
    EXPECT_EQ(p.game.playerx, 4);
    EXPECT_EQ(p.text(6, 4), (Rows{"######", "#...::", "#...@.", "#...::"}));
}

TEST(Explosions, ChainGoesOneLinkPerTickAndRestartsTheAnimation)
{
    Play p({"########",
            "#......#",
            "#..bb..#",
            "#::::::#",
            "#@....*#",
            "########"});
    p.game.board.blast_b.set(3, 2, 1);  // current while blast_phase is false
    p.ticks(1);
    EXPECT_EQ(p.at(4, 2), Empty);
    EXPECT_EQ(p.game.board.blast_a(4, 2), 1) << "the second bomb waits in the next plane";
    EXPECT_EQ(p.at(5, 3), Earth);
    p.ticks(1);
    EXPECT_EQ(p.at(5, 3), Empty);
    EXPECT_EQ(p.game.board.blast_frame(2, 2), 2);
    EXPECT_EQ(p.game.board.blast_frame(3, 2), 1) << "covered by both blasts";
    EXPECT_EQ(p.game.board.blast_frame(5, 2), 1);
}

TEST(Explosions, AnimationPlaysSixFramesOnEmptyCellsOnly)
{
    Play p({"#####",
            "#.:.#",
            "#...#",
            "#@..#",
            "#####"});
    p.game.board.blast_frame.set(1, 1, 0);  // empty
    p.game.board.blast_frame.set(2, 1, 0);  // earth
    p.host.draws.clear();
    for (int frame = 0; frame < 6; ++frame) {
        p.ticks(1);
        const Draw drawn{frame, 6, 1, 1};
        EXPECT_NE(std::find(p.host.draws.begin(), p.host.draws.end(), drawn), p.host.draws.end());
        for (const Draw& d : p.host.draws)
            EXPECT_FALSE(d.x == 2 && d.y == 1);
        p.host.draws.clear();
    }
    EXPECT_EQ(p.game.board.blast_frame(1, 1), IdleBlastFrame);
    EXPECT_EQ(p.game.board.blast_frame(2, 1), IdleBlastFrame);
    p.ticks(1);
    EXPECT_TRUE(p.host.draws.empty());
}

TEST(Explosions, PickUpsCaughtInABlastExplodeNextTickInsteadOfBeingCollected)
{
    Play p({"#########",
            "#.......#",
            "#..bB...#",
            "#:::::::#",
            "#@.....*#",
            "#########"});
    p.game.board.blast_b.set(3, 2, 1);
    p.ticks(1);
    EXPECT_EQ(p.game.counters.bombs, StartingBombs);
    EXPECT_EQ(p.at(5, 2), Empty);
    EXPECT_EQ(p.at(5, 3), Earth);
    p.ticks(1);
    EXPECT_EQ(p.at(5, 3), Empty);
}

TEST(Outcome, DestroyingTheLastDiamondNeverWins)
{
    Play p({"#######",
            "#.....#",
            "#.b*..#",
            "#:::::#",
            "#@....#",
            "#######"});
    p.game.board.blast_b.set(2, 2, 1);
    p.ticks(1);
    EXPECT_EQ(p.game.counters.diamonds, 0);
    EXPECT_EQ(p.game.gamestate, Dead);
    EXPECT_TRUE(p.game.worldTimer);
    EXPECT_EQ(p.game.board.blast_a(1, 4), 1) << "the player goes up next tick";
}

TEST(Outcome, BlastTakingThePlayerAndTheLastCreatureDoesNotWin)
{
    Play p({"######",
            "#o@..#",
            "#::::#",
            "######"});
    p.game.selfdestruct();
    p.ticks(2);
    EXPECT_EQ(p.game.counters.olive, 0);
    EXPECT_EQ(p.game.gamestate, Dead);
    EXPECT_TRUE(p.game.worldTimer);
}

TEST(Outcome, WinThenDeathInOneTickEndsDeadWithTheTimerStopped)
{
    Play p({"#########",
            "#y:.....#",
            "#:::...@#",
            "#########"});
    p.host.levels[2] = p.host.levels[1];
    p.game.board.blast_b.set(1, 1, 1);  // takes the only creature: the level is won
    p.game.board.blast_b.set(7, 2, 1);  // later in the same tick: the player
    p.ticks(1);
    EXPECT_EQ(p.game.gamestate, Dead);
    EXPECT_FALSE(p.game.worldTimer);
    EXPECT_EQ(p.host.message, "You have passed level 1 !!!");
    EXPECT_EQ(p.game.counters.lives, StartingLives - 1);
}

TEST(Outcome, MessagesForTheLastLevels)
{
    const Rows rows{"####",
                    "#@*#",
                    "####"};
    Play external(rows);
    external.key(Right);
    EXPECT_EQ(external.game.gamestate, LevelEnd);
    EXPECT_EQ(external.host.message, "Congratulations! You have passed all levels");
    EXPECT_EQ(external.host.russian, "Поздравляю! Вы прошли все уровни");

    Play builtin(rows);
    builtin.game.internal = true;
    builtin.game.level = BuiltinLevelCount;
    builtin.key(Right);
    EXPECT_EQ(builtin.host.message, "Congratulations! You have passed all levels");

    Play earlier(rows);
    earlier.game.internal = true;
    earlier.game.level = BuiltinLevelCount - 1;
    earlier.key(Right);
    EXPECT_EQ(earlier.host.message, "You have passed level " + std::to_string(BuiltinLevelCount - 1) + " !!!");
}

TEST(Outcome, ALevelWithNothingToWinIsWonByTheFirstTest)
{
    Play p({"#####",
            "#@O.#",
            "#::.#",
            "#####"});
    EXPECT_EQ(p.game.gamestate, Playing);
    p.key(Right);  // a push does not test
    EXPECT_EQ(p.game.gamestate, Playing);
    p.ticks(1);    // the pushed stone's first fall does
    EXPECT_EQ(p.game.gamestate, LevelEnd);
    EXPECT_FALSE(p.game.worldTimer);
}
// Diamonds, yellow and olive creatures: any one of them left holds the level
// open, and a level is won the moment the last of them is gone.
TEST(Outcome, EachGoalAloneHoldsTheLevelOpen)
{
    for (const char goal : {'*', 'y', 'o'}) {
        Rows rows{"#######",
                  "#@*##X#",
                  "#######"};
        rows[1][5] = goal;
        Play p(rows);
        p.key(Right);  // the diamond beside the player; the goal stays shut in
        p.ticks(3);
        EXPECT_EQ(p.game.gamestate, Playing) << goal << " left";
    }
    for (const char creature : {'y', 'o'}) {
        Rows rows{"#####",
                  "#@#X#",
                  "#####"};
        rows[1][3] = creature;
        Play p(rows);
        p.ticks(2);
        EXPECT_EQ(p.game.gamestate, Playing) << creature << " left";
        p.game.exploy(3, 1);
        EXPECT_EQ(p.game.gamestate, LevelEnd) << creature << " gone";
    }
}
}  // namespace

// The solver on small levels: the wins it finds replay as the editor replays a
// proof, impossible levels are proven so, and a search cut short never claims
// that no win exists.
#include "levels.h"
#include "replay.h"
#include "solver.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// A budget that small levels never reach: they end by a win or by proof.
SolveOptions ample()
{
    SolveOptions options;
    options.seconds = 3600;
    options.maxStates = 2'000'000;
    return options;
}

// The found tape as the editor keeps it, read back and replayed as a proof.
bool replaysToWin(const Picture& level, const std::vector<TapeKey>& tape)
{
    std::string error;
    const std::optional<std::vector<TapeStep>> steps = parseTape(writeTape(tape), error);
    return steps && tapeWins(level, 1, *steps);
}

TEST(Solver, FindsWinsThatReplay)
{
    const std::vector<std::vector<std::string>> levels{
        // Dig down to the diamond.
        {"#####", "#@::#", "#:::#", "#::*#", "#####"},
        // A yellow creature walks its round; only a bomb in its way ends it.
        {"#########", "#@......#", "#.......#", "#####.###", "#...y...#", "#.......#", "#########"},
    };
    for (const auto& rows : levels) {
        const Picture level = pictureFromText(rows);
        const SolveResult result = solveLevel(level, ample());
        ASSERT_EQ(result.outcome, SolveOutcome::Won) << rows[1];
        EXPECT_TRUE(replaysToWin(level, result.tape)) << rows[1];
    }
}

TEST(Solver, ProvesImpossibleLevelsHaveNoWin)
{
    const std::vector<std::vector<std::string>> levels{
        // A diamond shut in by red wall.
        {"#######", "#@..#*#", "#######"},
        // A creature walking in a red-walled room: no blast reaches through the wall.
        {"##########", "#@..#....#", "#####.y..#", "    #....#", "    ######"},
    };
    for (const auto& rows : levels) {
        const SolveResult result = solveLevel(pictureFromText(rows), ample());
        EXPECT_EQ(result.outcome, SolveOutcome::NoWin) << rows[1];
        EXPECT_GT(result.reached.states, 1) << rows[1];
    }
}

TEST(Solver, ASearchCutShortReportsNotFound)
{
    const Picture level = builtinLevel(1).value_or(Picture{});
    SolveOptions fewStates = ample();
    fewStates.maxStates = 50;
    const SolveResult full = solveLevel(level, fewStates);
    EXPECT_EQ(full.outcome, SolveOutcome::NotFound);
    EXPECT_EQ(full.stop, SolveStop::Memory);
    EXPECT_EQ(full.reached.states, 50);

    SolveOptions noTime = ample();
    noTime.seconds = 0;
    EXPECT_EQ(solveLevel(level, noTime).stop, SolveStop::Time);

    std::atomic<bool> cancel{true};
    SolveOptions cancelled = ample();
    cancelled.cancel = &cancel;
    EXPECT_EQ(solveLevel(level, cancelled).stop, SolveStop::Cancelled);
}

// Small framed levels of random things, the player in the top-left corner.
Picture randomLevel(std::mt19937& random)
{
    constexpr int Width = 9;
    constexpr int Height = 6;
    const std::string things = "::::....***OObyo%#B";
    std::vector<std::string> rows(Height, std::string(Width, '#'));
    for (int y = 1; y < Height - 1; ++y)
        for (int x = 1; x < Width - 1; ++x)
            rows[y][x] = things[random() % things.size()];
    rows[1][1] = '@';
    return pictureFromText(rows);
}

TEST(Solver, EveryWinFoundOnRandomLevelsReplays)
{
    std::mt19937 random(29);
    SolveOptions options = ample();
    options.maxStates = 20'000;
    options.threads = 2;
    int won = 0;
    for (int i = 0; i < 20; ++i) {
        const Picture level = randomLevel(random);
        const SolveResult result = solveLevel(level, options);
        if (result.outcome != SolveOutcome::Won)
            continue;
        ++won;
        EXPECT_TRUE(replaysToWin(level, result.tape)) << "level " << i;
        SolveOptions oneThread = options;
        oneThread.threads = 1;
        EXPECT_EQ(writeTape(solveLevel(level, oneThread).tape), writeTape(result.tape)) << "level " << i;
    }
    EXPECT_GE(won, 5);
}
}  // namespace

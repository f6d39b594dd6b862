// The saved-game byte format.
#include "play.h"
#include "savedgameformat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <tuple>

namespace {
std::vector<std::uint8_t> header(const Game& g)
{
    const std::vector<std::uint8_t> bytes = encodeSavedGame(g);
    return {bytes.begin(), bytes.begin() + 6};
}

TEST(SavedGame, CountsAreWrittenInRunsOfTwenty)
{
    Play p({"###", "#@#", "###"});
    p.game.internal = true;
    p.game.level = 45;
    p.game.counters.lives = 3;
    p.game.counters.bombs = 20;
    EXPECT_EQ(header(p.game), (std::vector<std::uint8_t>{11, 31, 31, 16, 14, 31}));
    p.game.internal = false;
    p.game.level = 20;
    p.game.counters.lives = -2;  // written as 0
    EXPECT_EQ(header(p.game), (std::vector<std::uint8_t>{12, 31, 11, 11, 31, 11}));
}

TEST(SavedGame, SizeGrowsByOneForEveryMovingThing)
{
    Play still({"###", "#@#", "###"});
    still.game.level = 30;
    EXPECT_EQ(encodeSavedGame(still.game).size(), 9605u);
    Play busy({"#####", "#@yo#", "#ObO#", "#*:%#", "#####"});
    busy.game.level = 30;
    EXPECT_EQ(encodeSavedGame(busy.game).size(), 9605u + 6);
}

TEST(SavedGame, RoundTripResumesExactlyWhereItWas)
{
    Play p({"#######",
            "#@.:..#",
            "#:::y.#",
            "#O*:..#",
            "#######"},
           4, 9);
    p.ticks(3);
    p.game.board.blast_a.set(5, 3, 1);
    p.game.board.blast_frame.set(2, 3, 2);
    const std::vector<std::uint8_t> file = encodeSavedGame(p.game);

    RecordingHost host;
    Game loaded(host);
    ASSERT_TRUE(decodeSavedGame(file, loaded));
    EXPECT_FALSE(loaded.internal);
    loaded.resumelevel();
    EXPECT_EQ(loaded.board.cells.bytes(), p.game.board.cells.bytes());
    EXPECT_EQ(loaded.board.blast_a.bytes(), p.game.board.blast_a.bytes());
    EXPECT_EQ(loaded.board.blast_frame.bytes(), p.game.board.blast_frame.bytes());
    EXPECT_EQ(loaded.counters.lives, 4);
    EXPECT_EQ(loaded.counters.bombs, 9);
    EXPECT_EQ(loaded.counters.yellow, p.game.counters.yellow);
    EXPECT_EQ(encodeSavedGame(loaded), file);
}

TEST(SavedGame, ReadingSkipsLowBytesTakesThirteenAsEarthAndRefusesShortFiles)
{
    Play p({"###", "#@#", "#:#", "###"});
    std::vector<std::uint8_t> file = encodeSavedGame(p.game);
    const std::size_t earth = 4 + 1 * 40 + 2;  // column 1, row 2 after the four header values
    ASSERT_EQ(file[earth], 13);
    file.insert(file.begin() + earth + 1, {10, 0, 5});
    file[0] = 200;  // any value but 0 means the external levels

    RecordingHost host;
    Game loaded(host);
    ASSERT_TRUE(decodeSavedGame(file, loaded));
    EXPECT_FALSE(loaded.internal);
    EXPECT_EQ(cellForColour(loaded.templevel.pixel(1, 2)), Earth);

    Game untouched(host);
    untouched.level = 9;
    file.resize(file.size() - 1);
    EXPECT_FALSE(decodeSavedGame(file, untouched));
    EXPECT_EQ(untouched.level, 9);
    EXPECT_FALSE(decodeSavedGame({}, untouched));
}

// Each file differs from a good one in one thing the game never writes, and is
// refused whole: the game it would have replaced is untouched.
TEST(SavedGame, AFileTheGameCouldNotHaveWrittenIsRefused)
{
    const auto saved = [](int level, int lives, bool internal = true) {
        Play p({"###", "#@#", "###"});
        p.game.internal = internal;
        p.game.level = level;
        p.game.counters.lives = lives;
        return encodeSavedGame(p.game);
    };
    const std::size_t cellAt22 = 4 + 2 * 40 + 2;  // after the four header values
    const auto changed = [&](std::size_t at, std::uint8_t byte) {
        std::vector<std::uint8_t> file = saved(1, 3);
        file[at] = byte;
        return file;
    };
    const std::pair<const char*, std::vector<std::uint8_t>> damaged[] = {
        {"level 0", saved(0, 3)},
        {"built-in level 31", saved(BuiltinLevelCount + 1, 3)},
        {"external level beyond the last looked for", saved(MaxExternalLevels + 1, 3, false)},
        {"lives beyond the limit", saved(1, CounterLimit + 1)},
        {"a run value above twenty", changed(2, 11 + 21)},
        {"a cell code no cell has", changed(cellAt22, 11 + CellCodeCount)},
        {"no digger", changed(4 + 1 * 40 + 1, 11 + Empty)},
        {"two diggers", changed(cellAt22, 11 + Player)},
    };
    for (const auto& [what, file] : damaged) {
        RecordingHost host;
        Game untouched(host);
        untouched.level = 9;
        EXPECT_FALSE(decodeSavedGame(file, untouched)) << what;
        EXPECT_EQ(untouched.level, 9) << what;
    }
    // The edges themselves are games the game can write.
    for (const auto& file : {saved(BuiltinLevelCount, CounterLimit), saved(BuiltinLevelCount + 1, 0, false)}) {
        RecordingHost host;
        Game loaded(host);
        EXPECT_TRUE(decodeSavedGame(file, loaded));
    }
}

// Every count the game can save, across each edge of a run (19, 20, 21, 39, 40,
// 41, ...): the level, lives and bombs read back as written, and each count
// takes one byte for every whole run of twenty and one for the rest.
TEST(SavedGame, EveryCountReadsBackAsWrittenInRunsOfTwenty)
{
    Play p({"####", "#@*#", "####"});
    p.game.internal = false;
    p.game.level = 1;
    p.game.counters.lives = p.game.counters.bombs = 0;
    const std::size_t smallest = encodeSavedGame(p.game).size();
    const auto wholeRuns = [](int count) { return std::size_t(count / 20); };
    std::vector<std::tuple<int, int, int>> saved;
    for (int n = 0; n <= CounterLimit; ++n)
        saved.emplace_back(n + 1, n, CounterLimit - n);
    saved.emplace_back(MaxExternalLevels, CounterLimit, CounterLimit);
    for (const auto& [level, lives, bombs] : saved) {
        p.game.level = level;
        p.game.counters.lives = lives;
        p.game.counters.bombs = bombs;
        const std::vector<std::uint8_t> file = encodeSavedGame(p.game);
        EXPECT_EQ(file.size(), smallest + wholeRuns(level) + wholeRuns(lives) + wholeRuns(bombs)) << level;
        RecordingHost host;
        Game loaded(host);
        ASSERT_TRUE(decodeSavedGame(file, loaded)) << level << ' ' << lives << ' ' << bombs;
        EXPECT_EQ(std::tuple(loaded.level, loaded.counters.lives, loaded.counters.bombs),
                  std::tuple(level, lives, bombs));
    }
}

TEST(SavedGame, ABoardFullOfEarthReadsBackWithLineBreakBytesIgnored)
{
    Play p({":::", ":@:", ":::"});
    p.game.level = 30;
    for (int x = 0; x < BoardColumns; ++x)
        for (int y = 0; y < BoardRows; ++y)
            p.game.board.cells.set(x, y, x == 1 && y == 1 ? Player : Earth);
    std::vector<std::uint8_t> file = encodeSavedGame(p.game);
    EXPECT_EQ(std::count(file.begin(), file.end(), 13), BoardCells - 1);
    for (std::size_t at = 10; at < file.size(); at += 97)
        file.insert(file.begin() + at, 10);

    RecordingHost host;
    Game loaded(host);
    ASSERT_TRUE(decodeSavedGame(file, loaded));
    loaded.resumelevel();
    EXPECT_EQ(loaded.board.cells.bytes(), p.game.board.cells.bytes());
}

TEST(SavedGame, ProgressRunsThroughEveryColumnOfEachPlaneInTurn)
{
    Play p({"###", "#@#", "###"});
    std::vector<int> saving, loading;
    const std::vector<std::uint8_t> file = encodeSavedGame(p.game, [&](int v) { saving.push_back(v); });
    RecordingHost host;
    Game loaded(host);
    ASSERT_TRUE(decodeSavedGame(file, loaded, [&](int v) { loading.push_back(v); }));
    std::vector<int> steps(SaveProgressSteps);
    std::iota(steps.begin(), steps.end(), 1);
    EXPECT_EQ(saving, steps);
    EXPECT_EQ(loading, steps);
}
}  // namespace

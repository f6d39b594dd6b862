// Long play with random keys on every built-in level and on random level
// pictures, framed and unframed: the counters always match the board, nothing leaves the
// board, and a game saved and loaded in the middle of it resumes unchanged. A
// level that ends, or a death now and then, starts the level again (a new game
// once the lives are gone).
//
// Each level is played for KERNMINE_SOAK_TICKS ticks, 600 unless set; the long
// run in docs/reliability.md sets 24000 in the sanitizer build.
#include "bmp.h"
#include "play.h"
#include "savedgameformat.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <random>
#include <string>

namespace {
constexpr long DefaultTicksPerLevel = 600;
constexpr long TicksBetweenSaves = 500;
constexpr int RandomLevels = 30;

long ticksPerLevel()
{
    const char* set = std::getenv("KERNMINE_SOAK_TICKS");
    return set ? std::atol(set) : DefaultTicksPerLevel;
}

Picture randomLevel(std::mt19937& random, bool framed)
{
    // Weighted so that boards are busy but not solid.
    static const std::string symbols = "........::::OOO*bbyoo#%B+";
    std::vector<std::string> rows(BoardRows, std::string(BoardColumns, '.'));
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardColumns; ++x) {
            const bool edge = x == 0 || y == 0 || x == BoardColumns - 1 || y == BoardRows - 1;
            rows[y][x] = framed && edge ? '#' : symbols[random() % symbols.size()];
        }
    rows[1 + random() % (BoardRows - 2)][1 + random() % (BoardColumns - 2)] = '@';
    return pictureFromText(rows);
}

void expectConsistent(const Game& g, const std::string& where)
{
    int diamonds = 0, yellow = 0, olive = 0;
    for (int i = 0; i < BoardCells; ++i) {
        const std::uint8_t code = g.board.cells.bytes()[i];
        ASSERT_LT(code, CellCodeCount) << where;
        ASSERT_LE(g.board.blast_frame.bytes()[i], IdleBlastFrame) << where;
        ASSERT_LE(g.board.blast_a.bytes()[i], 1) << where;
        ASSERT_LE(g.board.blast_b.bytes()[i], 1) << where;
        diamonds += code == Diamond;
        yellow += code == YellowEnemy;
        olive += code == OliveEnemy;
    }
    ASSERT_EQ(g.counters.diamonds, diamonds) << where;
    ASSERT_EQ(g.counters.yellow, yellow) << where;
    ASSERT_EQ(g.counters.olive, olive) << where;
    ASSERT_TRUE(Plane::inside(g.playerx, g.playery)) << where;
}

void pressRandomKey(std::mt19937& random, Game& game)
{
    if (game.gamestate != Playing || game.player_moved)
        return;
    static const Direction directions[] = {Down, Left, Right, Up};
    const unsigned roll = random() % 100;
    if (roll < 40)
        game.moveplayer(directions[roll % 4], false, false);
    else if (roll < 50)
        game.moveplayer(directions[roll % 4], true, false);
    else if (roll < 55)
        game.moveplayer(directions[roll % 4], false, true);
    else if (roll == 55)
        game.selfdestruct();
}

// The motion of creatures and of what falls; a cell that holds nothing that
// moves may keep a stale motion, which nothing reads and no saved game keeps.
std::array<std::uint8_t, BoardCells> motionOfMovingThings(const Board& board)
{
    std::array<std::uint8_t, BoardCells> motion{};
    for (int i = 0; i < BoardCells; ++i) {
        const std::uint8_t code = board.cells.bytes()[i];
        if (code >= YellowEnemy && code <= Diamond)
            motion[i] = board.motion.bytes()[i];
    }
    return motion;
}

// Saves the game and loads it back into itself, as the menus do in the middle of play.
void expectSaveAndLoadChangeNothing(Game& game, const std::string& where)
{
    const Board before = game.board;
    const Counters counters = game.counters;
    ASSERT_TRUE(decodeSavedGame(encodeSavedGame(game), game)) << where;
    game.resumelevel();
    ASSERT_EQ(game.gamestate, Playing) << where;
    EXPECT_EQ(game.board.cells.bytes(), before.cells.bytes()) << where;
    EXPECT_EQ(motionOfMovingThings(game.board), motionOfMovingThings(before)) << where;
    EXPECT_EQ(game.board.blast_a.bytes(), before.blast_a.bytes()) << where;
    EXPECT_EQ(game.board.blast_b.bytes(), before.blast_b.bytes()) << where;
    EXPECT_EQ(game.board.blast_frame.bytes(), before.blast_frame.bytes()) << where;
    EXPECT_EQ(game.counters.lives, counters.lives) << where;
    EXPECT_EQ(game.counters.bombs, counters.bombs) << where;
}

// Plays level n of the game's level source for `ticks` ticks.
void soak(RecordingHost& host, Game& game, int n, long ticks, std::mt19937& random, const std::string& name)
{
    game.counters.bombs = 50;
    game.startlevel(n);
    ASSERT_EQ(game.gamestate, Playing) << name;
    for (long tick = 0; tick < ticks; ++tick) {
        const std::string where = name + " tick " + std::to_string(tick);
        pressRandomKey(random, game);
        if (!game.worldTimer || (game.gamestate == Dead && random() % 50 == 0)) {
            host.dismiss();
            if (game.counters.lives < 1)  // a new game, as the menus would start it
                game.counters.lives = StartingLives;
            game.startlevel(n);
        }
        if (tick % TicksBetweenSaves == TicksBetweenSaves - 1 && game.gamestate == Playing)
            expectSaveAndLoadChangeNothing(game, where);
        game.Timer1Timer();
        expectConsistent(game, where);
        if (testing::Test::HasFailure())
            return;
        host.draws.clear();
    }
}

TEST(Soak, EveryBuiltinLevelWithRandomKeys)
{
    std::mt19937 random(20261207);
    for (int n = 1; n <= BuiltinLevelCount && !HasFailure(); ++n) {
        RecordingHost host;
        Game game(host);
        game.internal = true;
        soak(host, game, n, ticksPerLevel(), random, "built-in level " + std::to_string(n));
    }
}

TEST(Soak, RandomBoardsFramedAndUnframedWithRandomKeys)
{
    std::mt19937 random(20261208);
    for (int board = 0; board < RandomLevels && !HasFailure(); ++board) {
        RecordingHost host;
        Game game(host);
        // As a level file beside the game would bring it.
        const std::optional<Picture> level = readBmp(writeBmp24(randomLevel(random, board % 2 == 0)));
        ASSERT_TRUE(level);
        host.levels[1] = *level;
        game.internal = false;
        soak(host, game, 1, ticksPerLevel(), random, "random board " + std::to_string(board));
    }
}
}  // namespace

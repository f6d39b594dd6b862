// Random boards, framed and unframed, played for thousands of ticks with random
// keys: the counters always match the board and nothing leaves the board.
#include "play.h"

#include <gtest/gtest.h>

#include <random>

namespace {
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

void expectConsistent(const Game& g, int board, long tick)
{
    int diamonds = 0, yellow = 0, olive = 0;
    for (int i = 0; i < BoardCells; ++i) {
        const std::uint8_t code = g.board.cells.bytes()[i];
        ASSERT_LT(code, CellCodeCount);
        ASSERT_LE(g.board.blast_frame.bytes()[i], IdleBlastFrame);
        ASSERT_LE(g.board.blast_a.bytes()[i], 1);
        ASSERT_LE(g.board.blast_b.bytes()[i], 1);
        diamonds += code == Diamond;
        yellow += code == YellowEnemy;
        olive += code == OliveEnemy;
    }
    ASSERT_EQ(g.counters.diamonds, diamonds) << "board " << board << " tick " << tick;
    ASSERT_EQ(g.counters.yellow, yellow) << "board " << board << " tick " << tick;
    ASSERT_EQ(g.counters.olive, olive) << "board " << board << " tick " << tick;
    ASSERT_TRUE(Plane::inside(g.playerx, g.playery));
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

TEST(Soak, RandomBoardsKeepTheirCountersAndStayOnTheBoard)
{
    std::mt19937 random(20261207);
    for (int board = 0; board < 30; ++board) {
        RecordingHost host;
        Game game(host);
        host.levels[1] = randomLevel(random, board % 2 == 0);
        game.internal = false;
        game.counters.bombs = 50;
        game.startlevel(1);
        for (long tick = 0; tick < 1500; ++tick) {
            pressRandomKey(random, game);
            if (!game.worldTimer || (game.gamestate == Dead && random() % 50 == 0)) {
                host.dismiss();
                game.startlevel(1);
            }
            game.Timer1Timer();
            expectConsistent(game, board, tick);
            if (HasFatalFailure())
                return;
            host.draws.clear();
        }
    }
}
}  // namespace

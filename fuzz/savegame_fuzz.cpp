// Reads arbitrary bytes as a saved game. A file that decodes must start its level
// or refuse it cleanly, survive a round trip through the writer unchanged, and
// keep the world whole while it is played on; the progress bar must count every
// step once, in order.
#include "game.h"
#include "headlesshost.h"
#include "savedgameformat.h"
#include "checks.h"

#include <span>

namespace {
constexpr int TicksPlayed = 30;

// Counts the steps of a save or a load, each exactly one more than the last.
class ProgressCheck {
public:
    SaveProgress callback()
    {
        return [this](int step) {
            require(step == last_ + 1);
            last_ = step;
        };
    }
    int last() const { return last_; }

private:
    int last_ = 0;
};

bool sameGame(const Game& a, const Game& b)
{
    const auto same = [](const Plane& p, const Plane& q) { return p.bytes() == q.bytes(); };
    return a.internal == b.internal && a.level == b.level && a.counters.lives == b.counters.lives &&
           a.counters.bombs == b.counters.bombs && same(a.board.cells, b.board.cells) &&
           same(a.board.motion, b.board.motion) && same(a.board.blast_a, b.board.blast_a) &&
           same(a.board.blast_b, b.board.blast_b) && same(a.board.blast_frame, b.board.blast_frame) &&
           a.playerx == b.playerx && a.playery == b.playery;
}

// Decodes and starts a saved game as the window does; false when the values run
// out or the level cannot start.
bool loadAndStart(std::span<const std::uint8_t> file, Game& game)
{
    ProgressCheck progress;
    const int levelBefore = game.level;
    if (!decodeSavedGame(file, game, progress.callback())) {
        require(game.level == levelBefore);  // a short file changes nothing
        return false;
    }
    require(progress.last() == SaveProgressSteps);
    game.resumelevel();
    return game.gamestate == Playing;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    HeadlessHost host;
    Game game(host);
    if (!loadAndStart({data, size}, game))
        return 0;
    checkWorld(game);

    ProgressCheck progress;
    const std::vector<std::uint8_t> saved = encodeSavedGame(game, progress.callback());
    require(progress.last() == SaveProgressSteps);
    HeadlessHost againHost;
    Game again(againHost);
    require(loadAndStart(saved, again));
    require(sameGame(game, again));

    for (int i = 0; i < TicksPlayed && game.worldTimer; ++i) {
        game.Timer1Timer();
        checkWorld(game);
    }
    return 0;
}

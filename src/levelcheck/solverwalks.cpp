#include "solverwalks.h"

#include "replay.h"

#include <algorithm>
#include <optional>

namespace {
// A walk longer than this is cut short; the search goes on from where it ended.
constexpr int MostWalkTicks = 400;
// Times a walk finds its way again after the world has moved into it.
constexpr int MostReplans = 8;

// The most ticks waited for the world to come to rest after a key.
constexpr int MostSettlingTicks = 24;
// The most ticks waited beside a bomb for a creature to come.
constexpr int MostLurkingTicks = 48;

constexpr Direction Directions[] = {Up, Down, Left, Right};

bool isBlastable(std::uint8_t code)
{
    return code == PurpleWall || code == Stone || code == Bomb;
}

// Whether nothing is falling and no blast is due.
bool atRest(const Game& game)
{
    const auto& cells = game.board.cells.bytes();
    const auto& motion = game.board.motion.bytes();
    for (int i = 0; i < BoardCells; ++i) {
        const std::uint8_t code = cells[i];
        if ((code == Stone || code == Bomb || code == Diamond) && motion[i] == Falling)
            return false;
    }
    return game.board.blast_a.find(BlastRequested, 0) == BoardCells &&
           game.board.blast_b.find(BlastRequested, 0) == BoardCells;
}

int cellIndexOf(int x, int y)
{
    return Plane::index(x, y);
}

// Calls visit(x, y) for each cell of the board beside the cell of that index.
template <class Visit>
void forEachNeighbour(int cell, Visit visit)
{
    const int x = cell / BoardRows;
    const int y = cell % BoardRows;
    for (const Direction d : Directions) {
        const Offset step = stepOf(d);
        if (Plane::inside(x + step.dx, y + step.dy))
            visit(x + step.dx, y + step.dy);
    }
}
}  // namespace

bool isWalkable(std::uint8_t code)
{
    return code == Empty || code == Earth || code == Diamond || code == BombCrate || code == ExtraLife ||
           code == Player;
}

bool isQuarry(std::uint8_t code)
{
    return code == Diamond || code == YellowEnemy || code == OliveEnemy;
}

bool isPickup(std::uint8_t code)
{
    return code == Diamond || code == BombCrate;
}

void WalkDistances::measureFrom(const Board& board, int x, int y, bool (*ends)(std::uint8_t code))
{
    steps_.fill(Unreached);
    int head = 0;
    int tail = 0;
    steps_[cellIndexOf(x, y)] = 0;
    queue_[tail++] = cellIndexOf(x, y);
    while (head < tail) {
        const int from = queue_[head++];
        if (from != cellIndexOf(x, y) && !isWalkable(board.cells.bytes()[from]))
            continue;  // an end: reached, not gone through
        forEachNeighbour(from, [&](int nx, int ny) {
            const int next = cellIndexOf(nx, ny);
            const std::uint8_t nextCode = board.cells(nx, ny);
            if (steps_[next] != Unreached || !(isWalkable(nextCode) || (ends && ends(nextCode))))
                return;
            steps_[next] = steps_[from] + 1;
            queue_[tail++] = next;
        });
    }
}

std::vector<int> WalkDistances::nearest(const Board& board, bool (*ends)(std::uint8_t code), std::size_t most) const
{
    std::vector<int> found;
    for (int i = 0; i < BoardCells; ++i)
        if (steps_[i] != Unreached && steps_[i] > 0 && ends(board.cells.bytes()[i]))
            found.push_back(i);
    std::stable_sort(found.begin(), found.end(), [&](int a, int b) { return steps_[a] < steps_[b]; });
    if (found.size() > most)
        found.resize(most);
    return found;
}

int WalkDistances::nearestThroughWalls(const Board& board, int x, int y, bool (*ends)(std::uint8_t code))
{
    // Dial's buckets, a ring of them: a step costs 1, a step into a blastable cell
    // ThroughWall, so no cell waits more than ThroughWall buckets ahead.
    steps_.fill(Unreached);
    for (std::vector<int>& bucket : buckets_)
        bucket.clear();
    steps_[cellIndexOf(x, y)] = 0;
    buckets_[0].push_back(cellIndexOf(x, y));
    std::size_t waiting = 1;
    for (int cost = 0; waiting > 0; ++cost) {
        std::vector<int>& bucket = buckets_[cost % buckets_.size()];
        for (std::size_t k = 0; k < bucket.size(); ++k) {
            const int from = bucket[k];
            if (steps_[from] != cost)
                continue;
            if (cost > 0 && ends(board.cells.bytes()[from]))
                return cost;
            forEachNeighbour(from, [&](int nx, int ny) {
                const std::uint8_t nextCode = board.cells(nx, ny);
                const int stepCost = isWalkable(nextCode) || ends(nextCode) ? 1
                                     : isBlastable(nextCode)                 ? ThroughWall
                                                                             : 0;
                const int next = cellIndexOf(nx, ny);
                if (stepCost == 0 || steps_[next] <= cost + stepCost)
                    return;
                steps_[next] = cost + stepCost;
                buckets_[steps_[next] % buckets_.size()].push_back(next);
                ++waiting;
            });
        }
        waiting -= bucket.size();
        bucket.clear();
    }
    return Unreached;
}

bool pressAndSettle(Game& game, const TapeKey& key, std::vector<TapeKey>& keys)
{
    long ticks = 0;
    keys.push_back(key);
    pressAndTick(game, key, ticks);
    for (int tick = 0; tick < MostSettlingTicks && game.gamestate == Playing && !atRest(game); ++tick) {
        keys.push_back(TapeKey{});
        pressAndTick(game, TapeKey{}, ticks);
    }
    return game.gamestate == Playing || game.gamestate == LevelEnd;
}

bool dropBombBehind(Game& game, std::vector<TapeKey>& keys)
{
    constexpr int ClimbCells = 2;  // a blast reaches one cell round its centre
    long ticks = 0;
    for (int i = 0; i < ClimbCells; ++i) {
        const int above = game.playery - 1;
        if (!isWalkable(game.board.cells(game.playerx, above)))
            return false;
        keys.push_back({TapeKey::Move, Up});
        pressAndTick(game, keys.back(), ticks);
        if (game.gamestate != Playing || game.playery != above)
            return false;
    }
    return pressAndSettle(game, {TapeKey::Move, Down, false, true}, keys);
}

bool bombAndWait(Game& game, Direction side, std::vector<TapeKey>& keys)
{
    const auto creatures = [&game] { return game.counters.yellow + game.counters.olive; };
    const int before = creatures();
    const int bombs = game.counters.bombs;
    long ticks = 0;
    const auto press = [&](const TapeKey& key) {
        keys.push_back(key);
        pressAndTick(game, key, ticks);
        return game.gamestate == Playing;
    };
    if (!press({TapeKey::Move, side, false, true}) || game.counters.bombs == bombs)
        return false;
    const Direction back = turnedLeft(turnedLeft(side));
    const Offset away = stepOf(back);
    if (isWalkable(game.board.cells(game.playerx + away.dx, game.playery + away.dy)) && !press({TapeKey::Move, back}))
        return game.gamestate == LevelEnd;
    for (int tick = 0; tick < MostLurkingTicks && creatures() == before; ++tick)
        if (!press(TapeKey{}))
            return game.gamestate == LevelEnd;
    return creatures() < before;
}

bool walkTo(Game& game, int goal, std::vector<TapeKey>& keys, WalkDistances& scratch)
{
    const int gx = goal / BoardRows;
    const int gy = goal % BoardRows;
    const std::size_t before = keys.size();
    scratch.measureFrom(game.board, gx, gy, nullptr);
    int replans = 0;
    long ticks = 0;
    for (int tick = 0; tick < MostWalkTicks && (game.playerx != gx || game.playery != gy); ++tick) {
        const int here = scratch.at(game.playerx, game.playery);
        std::optional<Direction> way;
        for (const Direction d : Directions) {
            const Offset step = stepOf(d);
            const int nx = game.playerx + step.dx;
            const int ny = game.playery + step.dy;
            if (scratch.at(nx, ny) < here && isWalkable(game.board.cells(nx, ny))) {
                way = d;
                break;
            }
        }
        if (!way) {
            if (++replans > MostReplans)
                break;
            scratch.measureFrom(game.board, gx, gy, nullptr);
            if (scratch.at(game.playerx, game.playery) == WalkDistances::Unreached)
                break;
            continue;
        }
        const TapeKey key{TapeKey::Move, *way};
        keys.push_back(key);
        pressAndTick(game, key, ticks);
        if (game.gamestate != Playing)
            return game.gamestate == LevelEnd;
    }
    return keys.size() > before;
}

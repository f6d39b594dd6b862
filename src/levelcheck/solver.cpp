// Best-first search over the states of the game between two ticks. Every state
// is followed by each key a player can press before the next tick (so a search
// that runs out of states has tried everything, and proves that no win exists),
// and also by long moves (walks to the nearest diamonds and crates, bombs dropped
// or left for creatures, waits), which carry the search across a level in a few
// steps. States are played with the core's own tick and kept packed; one met
// before is not searched again.
#include "solver.h"

#include "headlesshost.h"
#include "replay.h"
#include "solverstate.h"
#include "solverwalks.h"

#include <algorithm>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <queue>
#include <thread>
#include <unordered_map>

namespace {
// States taken from the queue together and played, on as many threads as asked,
// before their followers are merged in the order they were taken. Fixed, so the
// number of threads never changes what is found.
constexpr int StatesPerBatch = 16;
// Walks tried from each state, to the nearest things worth fetching.
constexpr std::size_t WalksPerState = 4;
constexpr std::uint32_t NoNode = UINT32_MAX;

// Every key a player can press before a tick.
std::vector<TapeKey> everyKey()
{
    std::vector<TapeKey> keys{TapeKey{}, TapeKey{TapeKey::SelfDestruct}};
    for (const Direction d : {Up, Down, Left, Right}) {
        keys.push_back({TapeKey::Move, d});
        keys.push_back({TapeKey::Move, d, true, false});
        keys.push_back({TapeKey::Move, d, false, true});
    }
    return keys;
}

std::vector<TapeKey> settledKeys()
{
    std::vector<TapeKey> keys{TapeKey{}};
    for (const Direction d : {Up, Down, Left, Right})
        keys.push_back({TapeKey::Move, d, false, true});
    return keys;
}

// A key in one byte, for the keys of the ways between states: the solver keeps
// millions of them.
constexpr std::uint8_t EatBit = 0x10;
constexpr std::uint8_t BombBit = 0x20;
constexpr int KindShift = 6;

std::uint8_t keyByte(const TapeKey& key)
{
    return static_cast<std::uint8_t>(key.kind << KindShift | (key.eat ? EatBit : 0) | (key.bomb ? BombBit : 0) |
                                     key.direction);
}

TapeKey keyOfByte(std::uint8_t byte)
{
    return {static_cast<TapeKey::Kind>(byte >> KindShift), static_cast<Direction>(byte & 0x0f),
            (byte & EatBit) != 0, (byte & BombBit) != 0};
}

double threadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// How promising a state is: fewer diamonds and creatures left first, then a
// shorter walk to the nearest of them, where each bomb in hand counts as so many
// steps saved (a bomb spent for nothing is a way lost). Once only creatures are
// left, each creature beyond the bombs in hand and in crates counts as a long way
// more, as each may take a bomb; before that, bombs must open the way to diamonds.
constexpr int BombWorth = WalkDistances::ThroughWall / 2;
constexpr int BombShortCost = 2 * WalkDistances::ThroughWall;
struct Score {
    int left = 0;
    int distance = 0;
    friend bool operator<(Score a, Score b)
    {
        return a.left != b.left ? a.left < b.left : a.distance < b.distance;
    }
};

int bombsShort(const Game& game)
{
    if (game.counters.diamonds > 0)
        return 0;
    const auto& cells = game.board.cells.bytes();
    const auto crates = std::count(cells.begin(), cells.end(), BombCrate);
    const long bombs = game.counters.bombs + BombsPerCrate * crates;
    return static_cast<int>(std::max(0L, game.counters.yellow + game.counters.olive - bombs));
}

// A state reached from its parent by the keys of one tick or of a walk.
struct Follower {
    std::vector<std::uint8_t> packed;
    std::vector<TapeKey> keys;
    Score score;
    int diamonds = 0;
    int creatures = 0;
    bool won = false;
};

// One thread's game, started on the level, into which states are unpacked.
class Player {
public:
    Player(const Picture& level, const SolveOptions& options) : game_(host_)
    {
        host_.level = level;
        game_.internal = false;
        game_.counters.lives = options.lives;
        game_.counters.bombs = options.bombs;
        game_.startlevel(1);
    }
    Game& game() { return game_; }

    // States already kept are left out of the followers, unscored.
    using Known = std::function<bool(const std::vector<std::uint8_t>& packed)>;

    std::vector<Follower> followers(const StateCodec& codec, const std::vector<std::uint8_t>& packed, const Known& known)
    {
        known_ = &known;
        std::vector<Follower> out;
        for (const TapeKey& key : keys_) {
            follow(codec, packed, out, [&key](Game& game, std::vector<TapeKey>& keys) {
                long ticks = 0;
                keys.push_back(key);
                pressAndTick(game, key, ticks);
                return true;
            });
        }
        codec.unpack(packed.data(), packed.size(), game_);
        distances_.measureFrom(game_.board, game_.playerx, game_.playery, isPickup);
        for (const int goal : distances_.nearest(game_.board, isPickup, WalksPerState))
            follow(codec, packed, out, [&](Game& game, std::vector<TapeKey>& keys) { return walkTo(game, goal, keys, walk_); });
        follow(codec, packed, out, dropBombBehind);
        if (game_.counters.yellow + game_.counters.olive > 0) {
            for (const Direction side : {Up, Down, Left, Right})
                follow(codec, packed, out, [side](Game& game, std::vector<TapeKey>& keys) { return bombAndWait(game, side, keys); });
        }
        for (const TapeKey& key : settledKeys_) {
            follow(codec, packed, out, [&key](Game& game, std::vector<TapeKey>& keys) {
                return pressAndSettle(game, key, keys) && keys.size() > 1;
            });
        }
        return out;
    }

private:
    // Plays a move of one or many ticks from the packed state; keeps where it ends
    // when the move says it went as meant.
    template <typename Move>
    void follow(const StateCodec& codec, const std::vector<std::uint8_t>& packed, std::vector<Follower>& out, Move move)
    {
        codec.unpack(packed.data(), packed.size(), game_);
        std::vector<TapeKey> keys;
        if (move(game_, keys))
            keep(codec, std::move(keys), out);
    }

    void keep(const StateCodec& codec, std::vector<TapeKey> keys, std::vector<Follower>& out)
    {
        if (game_.gamestate != Playing && game_.gamestate != LevelEnd)
            return;  // the player is dead: nothing more can be won
        Follower f;
        f.keys = std::move(keys);
        f.won = game_.gamestate == LevelEnd;
        f.diamonds = game_.counters.diamonds;
        f.creatures = game_.counters.yellow + game_.counters.olive;
        if (!f.won) {
            f.packed = codec.pack(game_);
            if ((*known_)(f.packed))
                return;
            const int distance = distances_.nearestThroughWalls(game_.board, game_.playerx, game_.playery, isQuarry);
            f.score = {f.diamonds + f.creatures,
                       distance - BombWorth * game_.counters.bombs + BombShortCost * bombsShort(game_)};
        }
        out.push_back(std::move(f));
    }

    HeadlessHost host_;
    Game game_;
    const std::vector<TapeKey> keys_ = everyKey();
    // Keys whose effect takes a while: a bomb dropped, or simply waiting.
    const std::vector<TapeKey> settledKeys_ = settledKeys();
    WalkDistances distances_;
    WalkDistances walk_;
    const Known* known_ = nullptr;
};

struct Node {
    std::uint32_t parent;
    std::uint32_t sameHash;  // the next node whose packed state hashes alike
    std::uint64_t packedAt;
    std::uint32_t packedSize;
    std::uint32_t keysAt;
    std::uint32_t keysSize;
};

struct Queued {
    Score score;
    std::uint32_t node;
    // The priority queue serves its greatest first: the best score, then the newest node.
    friend bool operator<(const Queued& a, const Queued& b)
    {
        if (a.score < b.score || b.score < a.score)
            return b.score < a.score;
        return a.node < b.node;
    }
};

class Search {
public:
    Search(const Picture& level, const SolveOptions& options) : level_(level), options_(options)
    {
        const int threads = std::max(1, options.threads);
        for (int i = 0; i < threads; ++i)
            players_.push_back(std::make_unique<Player>(level, options));
        codec_ = std::make_unique<StateCodec>(players_[0]->game());
    }

    SolveResult run()
    {
        Game& start = players_[0]->game();
        if (start.gamestate != Playing) {  // a picture without the player
            result_.outcome = SolveOutcome::NoWin;
            return finish();
        }
        Follower root;
        root.packed = codec_->pack(start);
        root.diamonds = start.counters.diamonds;
        root.creatures = start.counters.yellow + start.counters.olive;
        best_ = {root.diamonds, root.creatures};
        add(NoNode, root);
        while (!queue_.empty()) {
            if (const std::optional<SolveStop> stop = shouldStop()) {
                result_.stop = *stop;
                return finish();
            }
            if (!playBatch())
                return finish();
        }
        result_.outcome = SolveOutcome::NoWin;
        return finish();
    }

private:
    std::optional<SolveStop> shouldStop()
    {
        if (options_.cancel && options_.cancel->load())
            return SolveStop::Cancelled;
        if (nodes_.size() >= options_.maxStates)
            return SolveStop::Memory;
        if (seconds() >= options_.seconds)
            return SolveStop::Time;
        if (options_.progress && !options_.progress(progress()))
            return SolveStop::Cancelled;
        return std::nullopt;
    }

    double seconds() const { return (threadSeconds() - startSeconds_ + workerSeconds_) / players_.size(); }

    SolveProgress progress() const
    {
        SolveProgress p;
        p.states = static_cast<long>(nodes_.size());
        p.diamondsLeft = best_.first;
        p.creaturesLeft = best_.second;
        p.seconds = seconds();
        p.secondsLeft = std::max(0.0, options_.seconds - p.seconds);
        return p;
    }

    // Plays a batch of states; false once a win is found or the states fill the budget.
    bool playBatch()
    {
        std::vector<std::uint32_t> batch;
        while (!queue_.empty() && batch.size() < StatesPerBatch) {
            batch.push_back(queue_.top().node);
            queue_.pop();
        }
        std::vector<std::vector<Follower>> followers(batch.size());
        playOnThreads(batch, followers);
        for (std::size_t i = 0; i < batch.size(); ++i) {
            for (Follower& f : followers[i]) {
                if (f.won) {
                    result_.outcome = SolveOutcome::Won;
                    result_.tape = keysTo(batch[i]);
                    result_.tape.insert(result_.tape.end(), f.keys.begin(), f.keys.end());
                    return false;
                }
                add(batch[i], f);
                if (nodes_.size() >= options_.maxStates) {
                    // The followers not kept are not searched: no proof of anything now.
                    result_.stop = SolveStop::Memory;
                    return false;
                }
            }
        }
        return true;
    }

    void playOnThreads(const std::vector<std::uint32_t>& batch, std::vector<std::vector<Follower>>& followers)
    {
        // The table only grows after the batch is played, so every thread may read it.
        const Player::Known known = [this](const std::vector<std::uint8_t>& packed) {
            const auto slot = table_.find(packedHash(packed.data(), packed.size()));
            return slot != table_.end() && seen(packed, slot->second);
        };
        auto share = [&](std::size_t player) {
            for (std::size_t i = player; i < batch.size(); i += players_.size())
                followers[i] = players_[player]->followers(*codec_, packedOf(batch[i]), known);
        };
        std::vector<std::thread> helpers;
        std::vector<double> helperSeconds(players_.size(), 0.0);
        for (std::size_t p = 1; p < players_.size(); ++p)
            helpers.emplace_back([&, p] {
                share(p);
                helperSeconds[p] = threadSeconds();
            });
        share(0);
        for (std::thread& t : helpers)
            t.join();
        for (const double s : helperSeconds)
            workerSeconds_ += s;
    }

    std::vector<std::uint8_t> packedOf(std::uint32_t node) const
    {
        const Node& n = nodes_[node];
        return {packed_.begin() + static_cast<std::ptrdiff_t>(n.packedAt),
                packed_.begin() + static_cast<std::ptrdiff_t>(n.packedAt + n.packedSize)};
    }

    bool seen(const std::vector<std::uint8_t>& packed, std::uint32_t first) const
    {
        for (std::uint32_t i = first; i != NoNode; i = nodes_[i].sameHash) {
            const Node& n = nodes_[i];
            if (n.packedSize == packed.size() &&
                std::equal(packed.begin(), packed.end(), packed_.begin() + static_cast<std::ptrdiff_t>(n.packedAt)))
                return true;
        }
        return false;
    }

    void add(std::uint32_t parent, const Follower& f)
    {
        const std::uint64_t hash = packedHash(f.packed.data(), f.packed.size());
        const auto [slot, fresh] = table_.try_emplace(hash, NoNode);
        if (!fresh && seen(f.packed, slot->second))
            return;
        const auto id = static_cast<std::uint32_t>(nodes_.size());
        nodes_.push_back({parent, slot->second, packed_.size(), static_cast<std::uint32_t>(f.packed.size()),
                          static_cast<std::uint32_t>(keys_.size()), static_cast<std::uint32_t>(f.keys.size())});
        for (const TapeKey& key : f.keys)
            keys_.push_back(keyByte(key));
        slot->second = id;
        packed_.insert(packed_.end(), f.packed.begin(), f.packed.end());
        queue_.push({f.score, id});
        if (f.diamonds + f.creatures < best_.first + best_.second)
            best_ = {f.diamonds, f.creatures};
    }

    std::vector<TapeKey> keysTo(std::uint32_t node) const
    {
        std::vector<std::uint32_t> path;
        for (std::uint32_t i = node; i != NoNode; i = nodes_[i].parent)
            path.push_back(i);
        std::vector<TapeKey> tape;
        for (auto it = path.rbegin(); it != path.rend(); ++it) {
            const Node& n = nodes_[*it];
            for (std::uint32_t k = n.keysAt; k < n.keysAt + n.keysSize; ++k)
                tape.push_back(keyOfByte(keys_[k]));
        }
        return tape;
    }

    SolveResult finish()
    {
        result_.reached = progress();
        return result_;
    }

    const Picture& level_;
    const SolveOptions& options_;
    std::vector<std::unique_ptr<Player>> players_;
    std::unique_ptr<StateCodec> codec_;
    std::vector<Node> nodes_;
    std::vector<std::uint8_t> packed_;
    std::vector<std::uint8_t> keys_;  // the keys of every state's way from its parent, a byte each
    std::unordered_map<std::uint64_t, std::uint32_t> table_;
    std::priority_queue<Queued> queue_;
    std::pair<int, int> best_;  // diamonds and creatures left
    const double startSeconds_ = threadSeconds();
    double workerSeconds_ = 0;
    SolveResult result_;
};
}  // namespace

SolveResult solveLevel(const Picture& level, const SolveOptions& options)
{
    return Search(level, options).run();
}

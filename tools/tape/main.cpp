// kernmine-tape: plays a tape of keys against a level through the game's core,
// headless, and prints where the play ended; or checks a level picture.
//
//   kernmine-tape (LEVEL.bmp | builtin:N | --load SAVE.kms) TAPE [--save OUT.kms] [--lives N] [--bombs N]
//                 [--late N:K] [--trace [--around R]]
//   kernmine-tape --check LEVEL.bmp
//
// --late N:K presses the tape's key K (counted from 0, one a tick) and every key
// after it N ticks late, as a slower player would. --trace prints a line after
// every tick, and with --around R the board within R cells of the player. --check
// exits with 0 for a good level, 1 for a level with problems and 2 for a file that
// is not a picture.
#include "bmp.h"
#include "decimal.h"
#include "files.h"
#include "game.h"
#include "headlesshost.h"
#include "levelcheck.h"
#include "levels.h"
#include "replay.h"
#include "savedgameformat.h"
#include "tape.h"
#include "trace.h"

#include <filesystem>
#include <iomanip>
#include <iostream>
#include <string_view>
#include <utility>

namespace {
struct BadInput {
    std::string what;
};

// Levels are read beside the starting level; the first one is the picture given.
class TapeHost : public HeadlessHost {
public:
    std::string levelsFolder = ".";
    int firstLevel = 1;

    bool levelExists(int n) override { return levelFileExists(levelsFolder, n); }
    std::optional<Picture> readLevel(int n) override
    {
        return n == firstLevel && level ? level : readLevelFile(levelsFolder, n);
    }
    void showmessageimage(const std::string& english, const std::string& russian) override
    {
        raised_.push_back(english);
        HeadlessHost::showmessageimage(english, russian);
    }

    // Every message raised since the last call, shown or not.
    std::vector<std::string> takeRaised() { return std::exchange(raised_, {}); }

private:
    std::vector<std::string> raised_;
};

// Waits put into the tape before one of its keys.
struct Lateness {
    int ticks = 0;
    int key = 0;  // counted from 0, one a tick
};

struct Options {
    std::string level;  // LEVEL.bmp or builtin:N
    std::string load;   // SAVE.kms
    std::string tape;
    std::string save;
    std::optional<int> lives, bombs;
    std::optional<Lateness> late;
    bool trace = false;
    std::optional<int> around;  // cells each side of the player drawn after each traced tick
    std::string check;          // LEVEL.bmp to check instead of playing
};

constexpr int Refused = 2;       // the exit status for bad input
constexpr int LevelFaulty = 1;   // --check: the picture is a level with problems
constexpr std::string_view BuiltinLevelPrefix = "builtin:";
constexpr std::size_t MaxNumberDigits = 9;
constexpr const char* Usage = "usage: kernmine-tape (LEVEL.bmp | builtin:N | --load SAVE.kms) TAPE "
                              "[--save OUT.kms] [--lives N] [--bombs N] [--late N:K] [--trace [--around R]], "
                              "or kernmine-tape --check LEVEL.bmp";

// A count or a number of ticks or cells: never below zero.
int number(const std::string& text, const std::string& what)
{
    const std::optional<int> value = parseDigits(text, MaxNumberDigits);
    if (!value)
        throw BadInput{"bad " + what + " '" + text + "': not a whole number from 0 up"};
    return *value;
}

// Lives or bombs, at most as many as a player can hold.
int counter(const std::string& text, const std::string& what)
{
    const int n = number(text, what);
    if (n > CounterLimit)
        throw BadInput{what + " above " + std::to_string(CounterLimit)};
    return n;
}

// N:K, N ticks late from the tape's key K on.
Lateness lateness(const std::string& text)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        throw BadInput{"bad lateness '" + text + "'"};
    return {number(text.substr(0, colon), "lateness"), number(text.substr(colon + 1), "lateness")};
}

Options parseArguments(int argc, char** argv)
{
    Options o;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw BadInput{arg + " needs a value"};
            return argv[++i];
        };
        if (arg == "--load")
            o.load = value();
        else if (arg == "--save")
            o.save = value();
        else if (arg == "--lives")
            o.lives = counter(value(), "lives");
        else if (arg == "--bombs")
            o.bombs = counter(value(), "bombs");
        else if (arg == "--late")
            o.late = lateness(value());
        else if (arg == "--trace")
            o.trace = true;
        else if (arg == "--around")
            o.around = number(value(), "radius");
        else if (arg == "--check")
            o.check = value();
        else if (arg.size() > 1 && arg.rfind("--", 0) == 0)
            throw BadInput{"unknown option " + arg};
        else
            positional.push_back(arg);
    }
    if (!o.check.empty()) {
        if (argc != 3)
            throw BadInput{Usage};
        return o;
    }
    if (o.around && !o.trace)
        throw BadInput{"--around goes with --trace"};
    if (o.around > BoardColumns)
        throw BadInput{"--around " + std::to_string(*o.around) + " reaches beyond the board"};
    const std::size_t wanted = o.load.empty() ? 2 : 1;
    if (positional.size() != wanted)
        throw BadInput{Usage};
    if (o.load.empty())
        o.level = positional[0];
    o.tape = positional.back();
    return o;
}

std::vector<std::uint8_t> readFile(const std::string& path, const std::string& what, std::size_t maxBytes)
{
    std::optional<std::vector<std::uint8_t>> bytes = readWholeFile(path, maxBytes);
    if (!bytes)
        throw BadInput{"cannot read " + what + " " + path};
    return std::move(*bytes);
}

std::vector<std::uint8_t> readStandardInput(std::size_t maxBytes)
{
    std::optional<std::vector<std::uint8_t>> bytes = readWholeStream(std::cin, maxBytes);
    if (!bytes)
        throw BadInput{"the tape on standard input is longer than " + std::to_string(maxBytes) + " bytes"};
    return std::move(*bytes);
}

std::vector<TapeStep> readTape(const std::string& path)
{
    const std::vector<std::uint8_t> bytes = path == "-" ? readStandardInput(MaxTapeBytes) : readFile(path, "tape", MaxTapeBytes);
    const std::string text(bytes.begin(), bytes.end());
    std::string error;
    std::optional<std::vector<TapeStep>> steps = parseTape(text, error);
    if (!steps)
        throw BadInput{path + ": " + error};
    return *steps;
}

// The keys of a tape, one a tick.
long keyCount(const std::vector<TapeStep>& tape)
{
    long keys = 0;
    for (const TapeStep& step : tape)
        keys += step.times;
    return keys;
}

// Sets up the game as a freshly created window would and starts the level.
void startPlay(const Options& o, Game& game, TapeHost& host)
{
    game.counters.lives = o.lives.value_or(StartingLives);
    game.counters.bombs = o.bombs.value_or(StartingBombs);
    if (!o.load.empty()) {
        if (!decodeSavedGame(readFile(o.load, "saved game", MaxSavedGameBytes), game))
            throw BadInput{"saved game " + o.load + " is short or damaged"};
        host.levelsFolder = std::filesystem::path(o.load).parent_path().string();
        if (o.lives)
            game.counters.lives = *o.lives;
        if (o.bombs)
            game.counters.bombs = *o.bombs;
        game.resumelevel();
    } else if (o.level.starts_with(BuiltinLevelPrefix)) {
        const std::string given = o.level.substr(BuiltinLevelPrefix.size());
        const int n = number(given, "built-in level");
        if (n < 1 || n > BuiltinLevelCount)
            throw BadInput{"no built-in level " + given};
        game.internal = true;
        game.startlevel(n);
    } else {
        std::string error;
        host.level = readBmpFile(o.level, &error);
        if (!host.level)
            throw BadInput{"unreadable level " + o.level + ": " + error};
        if (!holdsPlayer(*host.level))
            throw BadInput{"level " + o.level + " has no player"};
        const std::filesystem::path path(o.level);
        host.firstLevel = levelFileNumber(path.filename().string()).value_or(1);
        host.levelsFolder = path.parent_path().empty() ? "." : path.parent_path().string();
        game.internal = false;
        game.startlevel(host.firstLevel);
    }
    if (game.gamestate != Playing)
        throw BadInput{"the level could not be started: " + host.message};
}

// Each token is a key and then a tick, for as long as the world timer runs; a
// key that ends the level is followed by no tick.
long play(Game& game, TapeHost& host, const std::vector<TapeStep>& tape, const Options& o)
{
    long ticks = 0;
    // The key and then the tick, traced; false once the world timer has stopped.
    const auto pressAndTick = [&](const TapeKey& key) {
        if (!::pressAndTick(game, key, ticks))
            return false;
        if (o.trace) {
            traceTick(std::cout, ticks, key, game, host.takeRaised());
            if (o.around)
                drawAround(std::cout, game, *o.around);
        }
        return true;
    };
    long key = 0;
    for (const TapeStep& step : tape) {
        for (long i = 0; i < step.times; ++i, ++key) {
            for (int wait = 0; o.late && key == o.late->key && wait < o.late->ticks; ++wait)
                if (!pressAndTick(TapeKey{}))
                    return ticks;
            if (!pressAndTick(step.key))
                return ticks;
        }
    }
    return ticks;
}

int check(const std::string& path)
{
    std::string error;
    const std::optional<Picture> level = readBmpFile(path, &error);
    if (!level) {
        std::cout << path << " is not a picture: " << error << '\n';
        return Refused;
    }
    const LevelCheck result = checkLevel(*level);
    if (!result.valid()) {
        std::cout << path << " has " << result.problems.size()
                  << (result.problems.size() == 1 ? " problem:\n" : " problems:\n");
        for (const LevelProblem& problem : result.problems)
            std::cout << "  " << problem.text.english << '\n';
        return LevelFaulty;
    }
    std::cout << path << " is a good level:\n";
    for (std::uint8_t code = 0; code < CellCodeCount; ++code)
        std::cout << "  " << std::left << std::setw(16) << cellKindName(code).english << std::right << std::setw(5)
                  << result.counts[code] << '\n';
    return 0;
}

// The game saves only a living player's game: the board of a dead one has no
// player on it, and the game would refuse the file as damaged.
void writeSave(const std::string& path, const Game& game)
{
    if (game.gamestate == Dead)
        throw BadInput{"not saved to " + path + ": the play ended in a death, and only a living player's game is saved"};
    if (!writeWholeFile(path, encodeSavedGame(game)))
        throw BadInput{"cannot write " + path};
}
}  // namespace

int main(int argc, char** argv)
{
    try {
        const Options options = parseArguments(argc, argv);
        if (!options.check.empty())
            return check(options.check);
        const std::vector<TapeStep> tape = readTape(options.tape);
        if (options.late && options.late->key >= keyCount(tape))
            throw BadInput{"the tape has no key " + std::to_string(options.late->key)};
        TapeHost host;
        Game game(host);
        startPlay(options, game, host);
        const long ticks = play(game, host, tape, options);
        if (!options.save.empty())
            writeSave(options.save, game);
        std::cout << "state=" << stateName(game.gamestate) << " ticks=" << ticks << ' ' << describeCounters(game)
                  << " message=\"" << host.message << "\"\n";
        return 0;
    } catch (const BadInput& bad) {
        std::cerr << "kernmine-tape: " << bad.what << '\n';
        return Refused;
    }
}

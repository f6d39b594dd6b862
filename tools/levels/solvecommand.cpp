// kernmine-levels solve: searches a level picture for a winning tape.
#include "solvecommand.h"

#include "bmp.h"
#include "decimal.h"
#include "files.h"
#include "solver.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <iostream>
#include <optional>
#include <string>

namespace {
constexpr const char* Usage =
    "usage: kernmine-levels solve LEVEL.bmp [--seconds N] [--lives N] [--bombs N] [--tape OUT] [--threads N] "
    "[--states N]";
constexpr std::size_t MaxNumberDigits = 9;
// More threads than this only wait for each other.
constexpr int MostThreads = 64;
// How often the progress line is redrawn on a terminal.
constexpr double ProgressEverySeconds = 0.5;

struct BadArguments {
    std::string why;
};

int numberArgument(const std::string& option, const std::string& text, int most)
{
    const std::optional<int> n = parseDigits(text, MaxNumberDigits);
    if (!n)
        throw BadArguments{option + " needs a whole number of at least 0, not '" + text + "'"};
    if (*n > most)
        throw BadArguments{option + " above " + std::to_string(most)};
    return *n;
}

struct SolveArguments {
    std::string level;
    std::optional<std::string> tape;
    SolveOptions options;
};

SolveArguments parseSolveArguments(int argc, char** argv)
{
    SolveArguments a;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw BadArguments{arg + " needs a value"};
            return argv[++i];
        };
        if (arg == "--seconds")
            a.options.seconds = numberArgument(arg, value(), MaxTapeRepeat);
        else if (arg == "--lives")
            a.options.lives = numberArgument(arg, value(), CounterLimit);
        else if (arg == "--bombs")
            a.options.bombs = numberArgument(arg, value(), CounterLimit);
        else if (arg == "--threads")
            a.options.threads = std::max(1, numberArgument(arg, value(), MostThreads));
        else if (arg == "--states")
            a.options.maxStates = static_cast<std::size_t>(std::max(1, numberArgument(arg, value(), INT32_MAX)));
        else if (arg == "--tape")
            a.tape = value();
        else if (arg.rfind("--", 0) == 0 || !a.level.empty())
            throw BadArguments{Usage};
        else
            a.level = arg;
    }
    if (a.level.empty())
        throw BadArguments{Usage};
    return a;
}

long peakMemoryKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

std::string reachedText(const SolveProgress& p)
{
    return std::to_string(p.states) + " states, best " + std::to_string(p.diamondsLeft) + " diamonds and " +
           std::to_string(p.creaturesLeft) + " creatures left";
}

// The progress line, redrawn in place on a terminal and left out elsewhere.
std::function<bool(const SolveProgress&)> progressLine()
{
    if (!isatty(STDERR_FILENO))
        return {};
    return [shown = -ProgressEverySeconds](const SolveProgress& p) mutable {
        if (p.seconds - shown >= ProgressEverySeconds) {
            shown = p.seconds;
            std::fprintf(stderr, "\r%s, %.0f s left   ", reachedText(p).c_str(), p.secondsLeft);
        }
        return true;
    };
}

const char* stopText(SolveStop stop)
{
    switch (stop) {
    case SolveStop::Memory: return "memory budget reached";
    case SolveStop::Cancelled: return "cancelled";
    default: return "time budget reached";
    }
}

int report(const SolveArguments& a, const SolveResult& result)
{
    if (isatty(STDERR_FILENO))
        std::fputs("\n", stderr);
    const SolveProgress& r = result.reached;
    std::printf("searched %ld states in %.1f s, peak memory %ld MB\n", r.states, r.seconds,
                peakMemoryKilobytes() / 1024);
    switch (result.outcome) {
    case SolveOutcome::Won: {
        std::printf("won: a tape of %zu keys, one a tick\n", result.tape.size());
        const std::string text = writeTape(result.tape);
        if (a.tape && !writeWholeFile(*a.tape, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()})) {
            std::cerr << "kernmine-levels: " << *a.tape << ": cannot write\n";
            return SolveExit::Unreadable;
        }
        if (!a.tape)
            std::fputs(text.c_str(), stdout);
        return SolveExit::Won;
    }
    case SolveOutcome::NoWin:
        std::printf("no win exists\n");
        return SolveExit::NoWin;
    case SolveOutcome::NotFound:
        break;
    }
    std::printf("not found: %s; %s\n", stopText(result.stop), reachedText(r).c_str());
    return SolveExit::NotFound;
}
}  // namespace

int solveCommand(int argc, char** argv)
{
    SolveArguments a;
    try {
        a = parseSolveArguments(argc, argv);
    } catch (const BadArguments& bad) {
        std::cerr << "kernmine-levels solve: " << bad.why << '\n';
        return SolveExit::Usage;
    }
    std::string error;
    const std::optional<Picture> level = readBmpFile(a.level, &error);
    if (!level) {
        std::cerr << "kernmine-levels solve: " << (error.empty() ? a.level + ": cannot read" : error) << '\n';
        return SolveExit::Unreadable;
    }
    a.options.progress = progressLine();
    return report(a, solveLevel(*level, a.options));
}

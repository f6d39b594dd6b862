// The solver: finds the keys that win a level without a player, by playing the
// game's own world tick from the level's start, or proves that no keys can win.
//
// It may run on a worker thread: the progress callback and the cancel flag are
// its only contact with the caller while it searches.
#pragma once

#include "game.h"
#include "picture.h"
#include "tape.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <vector>

// How far a search got.
struct SolveProgress {
    long states = 0;            // states searched (played to and stored)
    int diamondsLeft = 0;       // of the best state met so far: the fewest things left to take
    int creaturesLeft = 0;      // and the creatures left beside them
    double seconds = 0;         // processor seconds used by the search, per thread
    double secondsLeft = 0;
};

struct SolveOptions {
    int lives = StartingLives;
    int bombs = StartingBombs;
    double seconds = 60;  // processor time of the search, per thread
    // States kept: the search's memory grows with them, a few hundred bytes each.
    std::size_t maxStates = 1'000'000;
    int threads = 1;
    // Called now and then from the searching thread; returning false stops the search.
    std::function<bool(const SolveProgress&)> progress;
    // Stops the search as soon as it is set, from any thread.
    const std::atomic<bool>* cancel = nullptr;
};

enum class SolveOutcome {
    Won,       // the tape wins
    NoWin,     // every state the player can bring about was played: none wins
    NotFound,  // the search stopped first (see SolveStop)
};

enum class SolveStop { Finished, Time, Memory, Cancelled };

struct SolveResult {
    SolveOutcome outcome = SolveOutcome::NotFound;
    SolveStop stop = SolveStop::Finished;
    std::vector<TapeKey> tape;  // one key a tick, when won
    SolveProgress reached;
};

// Searches the level picture, started as an external level with the given lives
// and bombs, for a winning tape.
SolveResult solveLevel(const Picture& level, const SolveOptions& options);

// Tapes: the keys of a recorded play, one token per world tick.
#pragma once

#include "cells.h"

#include <optional>
#include <string>
#include <vector>

struct TapeKey {
    enum Kind { None, Move, SelfDestruct } kind = None;
    Direction direction = Up;  // for a move
    bool eat = false;
    bool bomb = false;
};

// The largest tape file read: a tape a token a tick of every level played
// ten times over stays far below it.
constexpr std::size_t MaxTapeBytes = 16 * 1024 * 1024;

// The most times one token may be repeated.
constexpr long MaxTapeRepeat = 10'000'000;

struct TapeStep {
    TapeKey key;
    long times = 1;  // the key is pressed before each of this many ticks, up to MaxTapeRepeat
};

// Parses a tape: tokens separated by white space, '#' comments to the end of the
// line, each token optionally followed by *N to repeat it. On a bad token returns
// nothing and describes it in `error`.
std::optional<std::vector<TapeStep>> parseTape(const std::string& text, std::string& error);
// The token of a key, as a tape writes it ("R", "EL", "BD", "T", ".").
std::string tokenFor(const TapeKey& key);
// A tape of the keys of a play, one a tick, as parseTape reads it back: runs of
// one key written once with their count, a line every few tokens.
std::string writeTape(const std::vector<TapeKey>& keys);

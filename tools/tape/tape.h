// Tapes: the keys of a recorded play, one token per world tick.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct TapeKey {
    enum Kind { None, Move, SelfDestruct } kind = None;
    int direction = 0;  // Down, Left, Right or Up (cells.h) for a move
    int eat = 0;
    int bomb = 0;
};

struct TapeStep {
    TapeKey key;
    long times = 1;  // the key is pressed before each of this many ticks
};

// Parses a tape: tokens separated by white space, '#' comments to the end of the
// line, each token optionally followed by *N to repeat it. On a bad token returns
// nothing and describes it in `error`.
std::optional<std::vector<TapeStep>> parseTape(const std::string& text, std::string& error);

// The saved-game file: small values stored one a byte as value + 11, with no
// header and no separators. Counts are written in runs of twenty.
#pragma once

#include "game.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

// Told how far the work has gone, from 1 to 240: a column of the board's cells
// counts 1, and so does a column of each explosion plane.
using SaveProgress = std::function<void(int)>;
constexpr int SaveProgressSteps = 4 * BoardColumns;

// The largest saved-game file read. The game writes at most about 17 kB (the
// last external level and a board full of moving things).
constexpr std::size_t MaxSavedGameBytes = 64 * 1024;

std::vector<std::uint8_t> encodeSavedGame(const Game& game, const SaveProgress& progress = {});

// Puts a saved game into `game` ready for Game::resumelevel: internal, level,
// lives, bombs, the level picture in templevel, motion and the explosion
// planes. A file that the game could not have written changes
// nothing and returns false: values that run out, a run value above twenty, a level the game has not, lives or bombs
// beyond CounterLimit, a cell code no cell has, a board without exactly one
// digger.
bool decodeSavedGame(std::span<const std::uint8_t> file, Game& game, const SaveProgress& progress = {});

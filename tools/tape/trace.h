// What a play looks like tick by tick, for people who write tapes: where the
// player went, what the counters did, and when something happened.
#pragma once

#include "game.h"
#include "tape.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// "lives=3 bombs=5 diamonds=2 yellow=0 olive=1 player=4,7"
std::string describeCounters(const Game& game);
const char* stateName(GameState state);

// One line after a tick: its number (from 1), the key pressed before it, the
// counters and the state, and every message the tick (or the key) raised.
void traceTick(std::ostream& out, long tick, const TapeKey& key, const Game& game,
               const std::vector<std::string>& messages);

// The board within `radius` cells of the player, in the symbols of level texts;
// cells beyond the board are left blank.
void drawAround(std::ostream& out, const Game& game, int radius);

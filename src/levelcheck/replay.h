// A tape played through the core as a player pressing its keys would play it:
// the tape tool, the level editor's proofs and its play-test all go this way.
#pragma once

#include "game.h"
#include "tape.h"

#include <vector>

// The key of one tick, pressed before the tick: it does nothing once the player
// has acted in this tick or while nobody plays.
void pressKey(Game& game, const TapeKey& key);

// The key and then the tick; a key that ends the level is followed by no tick.
// False, and nothing pressed, once the world timer has stopped. `ticks` counts
// the ticks run.
bool pressAndTick(Game& game, const TapeKey& key, long& ticks);

// The longest proof replayed: four hours of play at a tick every
// TickMilliseconds, far longer than anyone plays one level, and still replayed
// in about a second. A tape that runs on past it (".*10000000" beside a level
// where nothing ends the play) is no proof, and keeps no one waiting.
constexpr long MaxProofTicks = 4L * 60 * 60 * 1000 / TickMilliseconds;

// Whether the tape, played from the start of the level as a new game starts it
// (its lives and bombs), ends with the level passed within MaxProofTicks.
bool tapeWins(const Picture& level, int levelNumber, const std::vector<TapeStep>& tape);

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

// Whether the tape, played from the start of the level as a new game starts it
// (its lives and bombs), ends with the level passed.
bool tapeWins(const Picture& level, int levelNumber, const std::vector<TapeStep>& tape);

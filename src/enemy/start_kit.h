// Shorthands the start functions of both catalogue files are written with.
#pragma once

#include "game.h"
#include "platform/random.h"

namespace qel {

// A random whole number from lo to hi inclusive.
inline int RR(Game &g, int lo, int hi) { return RandomRange(g, lo, hi); }
// The difficulty rank the waves are made for.
inline int Rank(const Game &g) { return g.enemies.RANK; }

}  // namespace qel

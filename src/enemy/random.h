// The game's random numbers and directions.
#pragma once

namespace qel {

struct Game;

// A whole number from lo to hi inclusive (also when hi < lo: the bounds are not swapped).
int RandomRange(Game &g, int lo, int hi);

}  // namespace qel

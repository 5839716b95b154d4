// The game's random numbers and directions.
#pragma once

namespace qel {

struct Game;

// A whole number from lo to hi inclusive (also when hi < lo: the bounds are not swapped).
int RandomRange(Game &g, int lo, int hi);
// The direction in degrees from point 1 to point 2, in (-180, 180]; 90 points down the screen.
double AngleTo(double x1, double y1, double x2, double y2);

}  // namespace qel

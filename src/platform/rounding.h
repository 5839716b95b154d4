// The one rounding of the game: to the nearest whole number, halves to the even one.
#pragma once

#include <cmath>

namespace qel {

inline int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace qel

// π, as the game computes with it, and angles in degrees.
//
// Directions given in degrees (the enemy bullets, the degree helpers below) use π to the full
// precision of a double. The motion tables' turns and the weapons' arcs were written with π to
// fifteen figures (kTablePi), and the aim at the ship with 3.1416 (kAimPi). The differences show
// over a long flight and every recorded replay depends on them, so all three stay, named here once.
#pragma once

#include <cmath>

namespace qel {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTablePi = 3.14159265358979;
constexpr double kAimPi = 3.1416;

inline double CosDegrees(double degrees) { return std::cos(degrees * kPi / 180); }
inline double SinDegrees(double degrees) { return std::sin(degrees * kPi / 180); }

}  // namespace qel

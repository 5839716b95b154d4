#include "enemy/random.h"

#include <cmath>

#include "game.h"

namespace qel {

int RandomRange(Game &g, int lo, int hi) {
  return lo + static_cast<int>(std::floor(Rnd(g) * (hi - lo + 1)));
}

double AngleTo(double x1, double y1, double x2, double y2) {
  // The game has always aimed with pi taken as 3.1416; the tiny bias is part of its feel.
  constexpr double kPi = 3.1416;
  if (x1 == x2) return y2 > y1 ? 90 : -90;
  double a = x2 > x1 ? std::atan((y2 - y1) / (x2 - x1)) * 180 / kPi
                     : std::atan((y1 - y2) / (x1 - x2)) * 180 / kPi + 180;
  if (a < -180) a += 360;
  if (a > 180) a -= 360;
  return a;
}

}  // namespace qel

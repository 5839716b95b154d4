#include "platform/random.h"

#include <cmath>

#include "game.h"
#include "platform/angles.h"

namespace qel {

int RandomRange(Game &g, int lo, int hi) { return lo + static_cast<int>(std::floor(Rnd(g) * (hi - lo + 1))); }

double AngleTo(double x1, double y1, double x2, double y2) {
  if (x1 == x2) return y2 > y1 ? 90 : -90;
  double a = x2 > x1 ? std::atan((y2 - y1) / (x2 - x1)) * 180 / kAimPi
                     : std::atan((y1 - y2) / (x1 - x2)) * 180 / kAimPi + 180;
  if (a < -180) a += 360;
  if (a > 180) a -= 360;
  return a;
}

}  // namespace qel

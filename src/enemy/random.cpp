#include "enemy/random.h"

#include <cmath>

#include "game.h"

namespace qel {

int RandomRange(Game &g, int lo, int hi) {
  return lo + static_cast<int>(std::floor(Rnd(g) * (hi - lo + 1)));
}

}  // namespace qel

// The supply ship that drifts through a stage and opens the shop when the ship touches it.
#include "effects/effects.h"
#include "effects/effects_internal.h"
#include "game.h"
#include "shop/shop.h"

namespace qel {

namespace {

// The ship's hit box against the supply ship's body, an inset square of its picture.
bool TouchesShip(const Player &p, const Effect &e) {
  return p.PX + p.HBX1 < e.X + 59 && p.PX + p.HBX2 > e.X + 5 && p.PY + p.HBY1 < e.Y + 59 && p.PY + p.HBY2 > e.Y + 5;
}

}  // namespace

void UpdateShopShip(Game &g, Effect &e) {
  e.Y += e.DY;
  if (++e.V[3] > 2) e.V[3] = 0, e.FRAME = 1 - e.FRAME;
  if (e.V[0] == 0 && g.player.PSTATE == 0 && TouchesShip(g.player, e)) {
    e.V[0] = 1;  // a ship opens its shop once
    // The shop holds the game until it is left; then come thirty frames of safety.
    VisitShop(g, e.V[5]);
    e.DY = 6;
  }
  if (e.Y > 480) EndEffect(e);
}

}  // namespace qel

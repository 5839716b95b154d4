// The supply ship that drifts through a stage and opens the shop when the ship touches it.
#include "effects/effects.h"
#include "effects/effects_internal.h"
#include "game.h"
#include "shop/shop.h"

namespace qel {

namespace {

// The ship's hit box against the supply ship's body, an inset square of its picture.
bool TouchesShip(const Player &p, const Effect &e) {
  const HitBox ship = ShipHitBox(p);
  return ship.left < e.X + 59 && ship.right > e.X + 5 && ship.top < e.Y + 59 && ship.bottom > e.Y + 5;
}

}  // namespace

void UpdateShopShip(Game &g, Effect &e) {
  e.Y += e.DY;
  if (++e.V[3] > 2) e.V[3] = 0, e.FRAME = 1 - e.FRAME;
  if (e.V[0] == 0 && g.player.PSTATE == kShipPlay && TouchesShip(g.player, e)) {
    e.V[0] = 1;  // a ship opens its shop once
    // The shop holds the game until it is left; then come thirty frames of safety.
    VisitShop(g, e.V[5]);
    e.DY = 6;
  }
  if (e.Y > 480) EndEffect(e);
}

}  // namespace qel

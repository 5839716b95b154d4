// One frame of an enemy: its type's behaviour, then body contact with the ship.
#include "enemy/catalogue.h"
#include "enemy/types.h"
#include "game.h"

namespace qel {

namespace {

// The behaviour of a MODE: its type's, or the dying sequence; nullptr for anything else.
Behaviour BehaviourOf(int mode) {
  if (const EnemyType *type = FindEnemyType(mode)) return type->behaviour;
  if (mode >= kDyingBoss && mode <= kDyingPart) return behave::Dying;
  return nullptr;
}

// Ramming costs the ship 5 shield points and the enemy 5 hit points, for no score.
void ContactStep(Game &g, int i) {
  Enemy &e = g.enemies.ENEMY[i];
  if (e.FLAG <= 0) return;
  const Player &p = g.player;
  HitBox body = EnemyHitBox(e), ship = ShipHitBox(p);
  bool apart = ship.left >= body.right || ship.right <= body.left || ship.top >= body.bottom ||
               ship.bottom <= body.top;
  if (apart || e.NORAM != 0 || e.NOHIT != 0 || p.INVUL != 0) return;
  HitPlayer(g, 5, 0);
  DamageEnemy(g, i, 5, 1);
}

}  // namespace

// The behaviour is chosen by the MODE on entry; a change made during the frame (a boss turned
// into its dying state by the contact step) acts from the next frame on.
void UpdateEnemy(Game &g, int i, int mode) {
  if (i < 0 || i >= kEnemySlots) return;
  if (Behaviour behave = BehaviourOf(mode)) behave(g, i);
  ContactStep(g, i);
}

}  // namespace qel

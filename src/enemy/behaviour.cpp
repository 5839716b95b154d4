// One frame of an enemy: its type's behaviour, then body contact with the ship.
#include "enemy/blocks.h"
#include "enemy/boss_behaviour.h"
#include "game.h"

namespace qel {

namespace {

// The behaviour of a MODE, or nullptr.
Behaviour BehaviourOf(int mode) {
  if (mode >= 1 && mode <= 21) return FighterBehaviour(mode);
  if (mode >= 22 && mode <= 60) return CraftBehaviour(mode);
  if (mode >= 100 && mode <= 104) return TimedBossBehaviour(mode);
  if (mode >= 105 && mode <= 110) return EscortBehaviour(mode);
  if (mode >= 150 && mode <= 160) return StageBossBehaviour(mode);
  if (mode >= 200 && mode <= 211) return PartBehaviour(mode);
  if (mode >= 300 && mode <= 302) return TimedBossBehaviour(mode);
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

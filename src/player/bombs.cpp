// The three bombs and the bomb gauge.
#include <algorithm>

#include "effects/effects.h"
#include "enemy/enemy.h"
#include "game.h"
#include "platform/sound.h"
#include "player/player.h"

namespace qel {

namespace {

enum BombKind : int { kGigaCrash = 0, kHealForce = 1, kRollingThunder = 2 };

// A white flash, five points of damage to every enemy that can take it, and every bullet gone.
void GigaCrash(Game &g) {
  PlaySound(g, kSoundGigaCrash);
  g.audio.SNDLOCK = 20;
  g.player.PSTAT[kStatWhiteFlash] = 3;
  Enemies &en = g.enemies;
  for (int i = 0; i <= std::min(en.ENMAX, 30); ++i) {
    const Enemy &e = en.ENEMY[static_cast<std::size_t>(i)];
    if (e.VULN == -1 && e.FLAG != 0 && e.NOHIT == 0) DamageEnemy(g, i, 5, 1);
  }
  // Enemy bullets only ever use the first 31 slots.
  for (int k = 0; k <= 30; ++k) en.ESHOT[static_cast<std::size_t>(k)].FLAG = 0;
}

}  // namespace

void ReleaseBomb(Game &g) {
  switch (g.player.BOMBKIND) {
    case kGigaCrash: GigaCrash(g); break;
    case kHealForce:  // the aura mends the shield over the next frames
      SpawnEffect(g, 0, kEffectHealAura);
      break;
    case kRollingThunder:
      PlaySound(g, kSoundThunder);
      FirePlayerShot(g, 20, 0);
      break;
    default: break;
  }
}

void AddBombGauge(Game &g, int n) {
  int &gauge = g.player.GAUGE;
  if (gauge >= 100) return;
  gauge = std::min(gauge + n, 100);
}

}  // namespace qel

// Enemies losing hit points: survival, points, destruction, wrecks and the death of a boss.
#include <algorithm>

#include "effects/effects.h"
#include "enemy/enemy.h"
#include "game.h"
#include "platform/random.h"
#include "platform/sound.h"

namespace qel {

namespace {

constexpr int kScoreMax = 30000;
constexpr int kShield = 110;
constexpr int kEscort = 109;

void Survive(Enemy &e, Game &g) {
  if (e.VULN != -1) return;
  PlaySound(g, kSoundHit);
  if (e.CNT[kHitFlash] == 0) e.CNT[kHitFlash] = 2;
  if (e.CNT[kDamaged] == 0 && e.CORE == -1 && e.HP < e.CNT[kDamagedBelow]) e.CNT[kDamaged] = 1;
}

// A boss core's death takes everything with it: ordinary enemies explode (for no points), the
// parts start dying and every bullet is gone.
void ClearField(Game &g) {
  Enemies &en = g.enemies;
  g.player.PSTAT[kStatWhiteFlash] = 0;
  for (int k = 0; k <= std::min(en.ENMAX, kEnemySlots - 1); ++k) {
    Enemy &o = en.ENEMY[k];
    if (o.FLAG != 0 && o.MODE < 120) {
      o.FLAG = 0;
      SpawnEffect(g, k, kEffectCentredExplosion);
    }
    if (o.FLAG != 0 && o.MODE >= 200 && o.MODE <= 230) o.MODE = kDyingPart, o.NOHIT = -1, o.NORAM = -1;
  }
  for (EnemyShot &s : en.ESHOT) s.FLAG = 0;
}

void KillBoss(Game &g, Enemy &e) {
  e.NOHIT = -1;
  e.CNT[kFormerMode] = e.MODE;
  e.MODE = kDyingBoss;
  e.CNT[kBlastSound] = kSoundBlast;
  e.CNT[kPhase] = 0;
  e.DX = e.DY = 0;
  g.enemies.WORK[8] = 0;
  if (e.CORE == -1) ClearField(g);
  int was = e.CNT[kFormerMode];
  int stage = g.stage.STAGE;
  if ((was >= 150 && was <= 157) || was == 160) {
    if (StoryStage(stage)) PlayMusic(g, kMusicSilence);  // the extra stage and the boss rush play on
    e.CNT[kBlastSound] = kSoundRumble;
  }
  if (was == 158) {
    PlayMusic(g, kMusicSilence);
    e.CNT[kBlastSound] = kSoundRumble;
  }
}

// A destroyed part stays on its boss as a wreck that can no longer be hurt or locked on.
void Wreck(Enemy &e) {
  e.VULN = 0;
  e.HP = 10;
  e.LOCK = 0;
  switch (e.MODE) {
    case 200:
    case 206:
    case 207: e.FRAME = 1; break;
    case 201:
    case 202:
    case 204: e.FRAME = 2; break;
    case 203:
    case 208:
    case 209: e.FRAME += 2; break;
    default: break;
  }
}

// The shield over a boss core is only knocked out while the core lives; the core opens.
bool KnockOutShield(Game &g, Enemy &shield) {
  int core = g.enemies.WORK[0];
  if (core < 0 || core >= kEnemySlots || g.enemies.ENEMY[core].HP <= 0) return false;
  shield.CNT[kPhase] = 2, shield.NOHIT = -1, shield.ROW = 1;
  Enemy &c = g.enemies.ENEMY[core];
  c.CNT[kPhase] = 2, c.NOHIT = 0;
  return true;
}

void DestroyOrdinary(Game &g, Enemy &e, int index) {
  if (e.MODE == kEscort) --g.enemies.WORK[5];
  if (e.MODE == kShield && KnockOutShield(g, e)) return;
  // On HARD every ordinary enemy, however it dies, fires one last aimed bullet.
  if (g.settings.DIFF == 0) {
    e.CNT[kShotSpeed] = RandomRange(g, 5, 10);
    e.CNT[kShotDown] = 0;
    FireEnemyShot(g, index, 6, 0);
  }
  e.FLAG = 0;
  e.Y = 500;
  e.DX = e.DY = 0;
}

}  // namespace

void DamageEnemy(Game &g, int index, int damage, int kind) {
  if (index < 0 || index >= kEnemySlots) return;
  Enemy &e = g.enemies.ENEMY[index];
  if (e.VULN == -1) e.HP -= damage;
  if (e.HP >= 1) return Survive(e, g);
  if (kind == 0) g.player.SCORE = std::min(g.player.SCORE + e.PTS, kScoreMax);
  if (e.BOSS == 1) return KillBoss(g, e);
  PlaySound(g, kSoundBlast);
  SpawnEffect(g, index, kEffectCentredExplosion);
  if (e.MODE >= 150) return Wreck(e);
  DestroyOrdinary(g, e, index);
}

}  // namespace qel

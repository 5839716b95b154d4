// The stage bosses: entry, attack patterns, the damaged phase and its time-out.
#include <cmath>

#include "enemy/boss_behaviour.h"
#include "enemy/types.h"
#include "game.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "stage/stage.h"

namespace qel {

namespace {

Enemy &Slot(Game &g, int i) { return g.enemies.ENEMY[i]; }

bool Damaged(const Enemy &e) { return e.CNT[kDamaged] == 1; }

// -1 or +1; which one a 0 draw gives differs between the bosses.
int RandomSide(Game &g, int on_zero) { return RandomRange(g, 0, 1) == 0 ? on_zero : -on_zero; }

// Comes down to its line and becomes damageable there. Returns true while entering.
bool Enter(Enemy &e, double line) {
  if (e.CNT[kPhase] != 0) return false;
  e.Y += e.DY;
  if (e.Y > line) e.Y = line, e.VULN = -1, e.CNT[kPhase] = 1;
  return true;
}

// A boss not hurt enough still turns to its damaged pattern when its time is up.
void CountTimeOut(Enemy &e) {
  if (e.CNT[kDamaged] == 0 && --e.CNT[kTimeOut] < 1) e.CNT[kDamaged] = 1;
}

// Entry, then time-out. Returns true while entering (the frame is taken).
bool Arrive(Enemy &e, double line) {
  if (Enter(e, line)) return true;
  CountTimeOut(e);
  return false;
}

void Fan(Game &g, int i, int from, int to, int style) {
  for (int m = from; m <= to; ++m) Fire(g, i, m, style);
}

// How boss 150 moves: it patrols, and now and then charges.
void Type150Move(Game &g, Enemy &e) {
  if (e.CNT[kPhase] == 1) {
    e.X += e.CNT[5] * e.DX;
    Bounce(e, 32, 388);
    if (--e.CNT[6] >= 1) return;
    e.CNT[5] = RandomRange(g, 5, 13), e.CNT[6] = 2 * RandomRange(g, 5, 10);
    if (--e.CNT[7] < 1) e.CNT[4] = 0, e.DY = 0, e.CNT[9] = 0, e.CNT[kPhase] = 2;
    return;
  }
  e.Y += e.DY;
  ++e.CNT[4];
  if (e.CNT[9] == 0 && e.CNT[4] > 2) e.DY += 1;  // the charge falls faster and faster
  if (e.Y > 300 && e.CNT[9] == 0) e.CNT[9] = 1, e.DY = -10;
  if (e.CNT[9] == 1 && e.Y < 80) {
    e.Y = 80, e.DX = RandomSide(g, 1), e.CNT[7] = RandomRange(g, 3, 7), e.CNT[kPhase] = 1;
  }
}

// How boss 152 moves: to a random height, and a pause there.
void Type152Move(Game &g, Enemy &e) {
  if (e.CNT[kPhase] == 1) {
    e.Y += e.DY;
    double gap = e.CNT[4] - e.Y;
    if (std::fabs(gap) >= 30) e.DY = (gap > 0 ? 1 : -1) * e.CNT[5];
    else e.DY = 0, e.CNT[kPhase] = 2;
    return;
  }
  if (e.CNT[3] < ++e.CNT[6]) e.CNT[6] = 0, e.CNT[4] = 30 * RandomRange(g, 0, 10), e.CNT[kPhase] = 1;
}

// A ring laid out one bullet per frame after each pause. The damaged ring of fifteen ends
// the way the normal one does.
void Type152Ring(Game &g, int i, Enemy &e) {
  bool hurt = Damaged(e);
  int last = hurt ? 15 : 12;
  if (!(e.CNT[kShotInterval] < e.CNT[kShotCount])) {
    ++e.CNT[kShotCount];
    return;
  }
  if (hurt) Fire(g, i, 6, 2, kSoundBossFire);
  else Fire(g, i, e.CNT[9], 1);
  if (++e.CNT[9] > last) e.CNT[kShotCount] = 0, e.CNT[9] = 1;
}

// Has arrived at its column (0 left, 1 middle, 2 right).
bool AtColumn(const Enemy &e) {
  int c = e.CNT[6];
  return (e.X < 96 && e.DX < 0 && c == 0) || (e.X > 288 && e.DX > 0 && c == 2) ||
         (e.X < 192 && e.DX < 0 && c == 1) || (e.X > 192 && e.DX > 0 && c == 1);
}

// How boss 153 moves: picks a column, goes there and dives.
void Type153Move(Game &g, Enemy &e) {
  if (e.CNT[kPhase] == 1) {
    int c = RandomRange(g, 0, 2);
    if (c == e.CNT[6]) return;
    e.DX = (c == 0 || (c == 1 && e.CNT[6] == 2)) ? -1 : 1;
    e.CNT[6] = c, e.CNT[kPhase] = 2;
  } else if (e.CNT[kPhase] == 2) {
    e.X += e.CNT[5] * e.DX;
    if (AtColumn(e)) e.DX = 0, e.CNT[kPhase] = 3;
  } else {
    e.Y += e.CNT[5] * e.DY;
    if ((e.Y < 96 && e.DY < 0) || (e.Y > 384 && e.DY > 0)) e.DY = -e.DY, e.CNT[kPhase] = 1;
  }
}

// The mother computer, once its escorts are gone: a burst in the middle of a 61-frame cycle
// and slow shots besides. Its time-out counts only from then on.
void Type158Exposed(Game &g, int i, Enemy &e) {
  if (e.VULN != -1) e.VULN = -1, e.ROW = 1, g.enemies.WORK[8] = 1;
  if (e.CNT[2] > 20 && e.CNT[2] < 50 && e.CNT[2] % 2 == 0) Fire(g, i, 6, 3, kSoundBossFire);
  ++e.CNT[2], ++e.CNT[3];
  if (e.CNT[4] < e.CNT[3]) e.CNT[3] = 0, Fire(g, i, RandomRange(g, 14, 15), 0);
  if (e.CNT[2] > 60) e.CNT[2] = 0;
  if (Damaged(e)) e.CNT[4] = 35;
  if (g.shell.FRAMECNT % 2 == 0) e.FRAME = e.FRAME >= 2 ? 0 : e.FRAME + 1;
  if (e.CNT[kDamaged] == 0 && --e.CNT[kTimeOut] < 1) e.CNT[kDamaged] = 1;
}

}  // namespace

namespace behave {

// Patrols the top and now and then charges down at the ship.
void Type150(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (Enter(e, 80)) {
    if (e.CNT[kPhase] == 1) e.DX = RandomSide(g, -1);
    return;
  }
  CountTimeOut(e);
  Type150Move(g, e);
  if (!ShotTimer(e)) return;
  if (!Damaged(e)) return Fan(g, i, 4, 8, 1);
  PlaySound(g, kSoundBossFire);
  Fan(g, i, 5, 7, 3);
}

// Sways and bobs across the top edge.
void Type151(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (Enter(e, 50)) {
    if (e.CNT[kPhase] == 1) e.DY = 1;
    return;
  }
  CountTimeOut(e);
  SwayStep(e, 120, e.VAL[0]);
  e.X += e.DX;
  e.Y += e.CNT[5] * e.DY;
  if ((e.Y < -30 && e.DY < 0) || (e.Y > 30 && e.DY > 0)) {
    e.DY = -e.DY, e.CNT[5] = RandomRange(g, 1, 3);
  }
  if (Damaged(e) && e.CNT[6] == 0) {
    e.CNT[6] = 1, e.CNT[kShotSpeed] = 15, e.CNT[kShotInterval] = 20 * g.enemies.RANK + 20;
  }
  if (!ShotTimer(e)) return;
  if (Damaged(e)) Fire(g, i, 25, 10, kSoundZigZag);
  else Fire(g, i, 30, 3, kSoundNeedle);
}

// Moves between random heights and lays rings.
void Type152(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (Arrive(e, 100)) return;
  Type152Move(g, e);
  if (Damaged(e) && e.CNT[kShotDown] == 1) {
    e.CNT[kShotDown] = 0, e.CNT[kShotSpeed] = 20;
    if (e.CNT[9] > 15) e.CNT[kShotCount] = 0, e.CNT[9] = 1;
  }
  Type152Ring(g, i, e);
}

// Moves on three columns and dives; hurt, it sweeps its bullets back and forth.
void Type153(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (Enter(e, 96)) {
    if (e.CNT[kPhase] == 1) e.DY = 1, e.DX = RandomSide(g, -1);
    return;
  }
  CountTimeOut(e);
  Type153Move(g, e);
  if (!ShotTimer(e)) return;
  if (!Damaged(e)) return Fire(g, i, 13, 1);
  Fire(g, i, e.CNT[3], 3, kSoundBossFire);
  e.CNT[3] += e.CNT[4], e.CNT[5] = 5;
  if ((e.CNT[3] < 5 && e.CNT[4] < 0) || (e.CNT[3] > 7 && e.CNT[4] > 0)) e.CNT[4] = -e.CNT[4];
}

// Circles a small ellipse. Hurt, it only fires faster; its bullets keep their style.
void Type154(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (Arrive(e, 50)) return;
  EllipseStep(e, 60, 30, e.VAL[0]);
  e.X += e.DX, e.Y += e.DY;
  if (Damaged(e) && e.CNT[3] == 2) e.CNT[kShotInterval] = 20;
  if (!ShotTimer(e)) return;
  PlaySound(g, kSoundBossFire);
  Fan(g, i, 4, 8, e.CNT[3]);
}

// A wide ellipse hanging below its entry line.
void Type155(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (Arrive(e, 10)) return;
  EllipseStep(e, 220, 70, e.VAL[2]);
  e.X += e.DX, e.Y += e.DY;
  if (ShotTimer(e)) {
    PlaySound(g, kSoundBossFire);
    Fan(g, i, 5, 7, 3);
  }
  if (Damaged(e) && e.CNT[3] < ++e.CNT[4]) e.CNT[4] = 0, Fire(g, i, 15, 0);
}

// Patrols with pauses; its wings carry the normal attack.
void Type156(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (Enter(e, 50)) {
    if (e.CNT[kPhase] == 1) e.DY = 0, e.DX = RandomSide(g, -1);
    return;
  }
  CountTimeOut(e);
  if (e.CNT[kPhase] == 1) {
    e.X += e.CNT[5] * e.DX;
    Bounce(e, 100, 330);
    if (--e.CNT[6] < 1) e.CNT[4] = 0, e.CNT[kPhase] = 2;
  } else if (e.CNT[3] < ++e.CNT[4]) {
    e.CNT[6] = RandomRange(g, 3, 10), e.CNT[5] = RandomRange(g, 4, 13);
    e.DX = RandomSide(g, -1), e.CNT[kPhase] = 1;
  }
  if (ShotTimer(e, Damaged(e))) Fire(g, i, 14, 0);
}

// The core behind its hatch. Its time-out runs from its creation.
void Type157(Game &g, int i) {
  Enemy &e = Slot(g, i);
  CountTimeOut(e);
  if (e.CNT[kPhase] == 0) {
    e.Y += 2;
    if (g.stage.LSPEED[kPicture] == 0) e.CNT[kPhase] = 1, g.enemies.WORK[8] = 1;
    return;
  }
  if (e.CNT[kPhase] != 2) return;  // closed
  ++e.CNT[2];
  if (e.CNT[2] % 5 == 0 && e.CNT[2] < 40) Fire(g, i, RandomRange(g, 4, 8), 3, kSoundBossFire);
  if (e.CNT[2] > 60) e.NOHIT = -1, e.CNT[2] = 0, e.CNT[kPhase] = 1;
}

void Type158(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (e.CNT[7] == 0) {
    e.Y += 1;
    if (g.stage.LSPEED[kFar] == 0) e.CNT[7] = 1;
  }
  if (g.enemies.WORK[5] >= 1) return AnimateTwoFrames(g, e);
  Type158Exposed(g, i, e);
}

// The first boss: sways and bounces; drops lines on a ship below it, aims at one beside it.
void Type160(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (Enter(e, 100)) {
    if (e.CNT[kPhase] == 1) e.DY = 3;
    return;
  }
  SwayStep(e, 200, e.VAL[0]);
  e.X += e.DX;
  e.Y += e.DY;
  if ((e.Y < 30 && e.DY < 0) || (e.Y > 150 && e.DY > 0)) e.DY = -e.DY;
  if (!ShotTimer(e)) return;
  if (++e.CNT[7] > 10) e.CNT[7] = 0;
  if (e.Y + 30 <= g.player.PY && e.CNT[7] != 5) {
    e.CNT[kShotSpeed] = RandomRange(g, 10, 15);
    return Fire(g, i, 20, 7, kSoundNeedle);
  }
  e.CNT[kShotSpeed] = 10, e.CNT[kShotDown] = 0;
  if (Damaged(e)) Fire(g, i, 16, 0, kSoundBossFire);
  else Fire(g, i, 6, 1);
}

}  // namespace behave

}  // namespace qel

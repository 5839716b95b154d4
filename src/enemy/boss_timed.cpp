// The four bosses met in the warp, which leave when their time is up, and the dying boss.
#include <cmath>

#include "effects/effects.h"
#include "enemy/boss_behaviour.h"
#include "enemy/types.h"
#include "game.h"
#include "platform/random.h"
#include "platform/rounding.h"
#include "platform/sound.h"

namespace qel {

namespace {

Enemy &Slot(Game &g, int i) { return g.enemies.ENEMY[i]; }

// Counts the life time down while attacking; at its end the boss climbs out.
void CountLife(Enemy &e) {
  if (--e.CNT[7] < 1) e.DX = 0, e.DY = -10, e.CNT[kPhase] = 2;
}

// Phase 0 comes down to the line; phase 2 climbs out and lets the stage clock go on.
// Returns true when the frame is taken.
bool EnterOrLeave(Game &g, Enemy &e, double line, bool settle) {
  if (e.CNT[kPhase] == 0) {
    e.Y += e.DY;
    if (e.Y > line) {
      if (settle) e.Y = line;
      e.CNT[kPhase] = 1;
      return false;
    }
    return true;
  }
  if (e.CNT[kPhase] == 2) {
    e.Y += e.DY;
    if (e.Y < -100) e.FLAG = 0, g.player.PSTAT[kStatStageFlow] = 0;
    return true;
  }
  return false;
}

void Flicker(const Game &g, Enemy &e) {
  if (g.shell.FRAMESTART % 2 == 0) e.ROW = 1 - e.ROW;
}

// One frame of the teleporter in its phase.
void Type103Phase(Game &g, int i, Enemy &e) {
  if (e.CNT[kPhase] == 0) {
    if (e.CNT[3] == 1) PlaySound(g, kSoundWarp);
    Flicker(g, e);
    if (++e.CNT[3] > 20) e.CNT[3] = 0, e.NOHIT = 0, e.ROW = 0, e.CNT[kPhase] = 1;
  } else if (e.CNT[kPhase] == 1) {
    if (ShotTimer(e, e.CNT[3] < 30)) {
      PlaySound(g, kSoundBossFire);
      for (int s = 0; s <= 3; ++s) Fire(g, i, 17, s);
    }
    if (++e.CNT[3] > 50) {
      e.CNT[3] = 0, e.NOHIT = -1, e.CNT[kPhase] = 2;
      e.CNT[5] = RandomRange(g, 10, 15), e.CNT[6] = RandomRange(g, 7, 12);
    }
  } else {
    if (e.CNT[3] < 21) Flicker(g, e);
    if (e.CNT[3] > 20) e.ROW = 1;
    if (++e.CNT[3] <= 60) return;
    if (e.CNT[7] > 0) {
      e.CNT[3] = 0, e.NOHIT = -1, e.ROW = 1, e.CNT[kPhase] = 0;
      e.X = 32.0 * RandomRange(g, 2, 8), e.Y = 32.0 * RandomRange(g, 2, 8);
    } else {
      e.FLAG = 0, g.player.PSTAT[kStatStageFlow] = 0;
    }
  }
}

// The bosses that hold the stage clock until their wreck is gone.
bool IsBossWreck(int former) { return (former >= 100 && former <= 103) || (former >= 150 && former <= 165); }

}  // namespace

namespace behave {

// The circler.
void Type100(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (EnterOrLeave(g, e, 10, false)) return;
  EllipseStep(e, 220, 220, e.VAL[2]);
  e.X += e.DX, e.Y += e.DY;
  if (ShotTimer(e)) {
    e.CNT[kShotSpeed] = RandomRange(g, 10, 25);
    for (int m = 5; m <= 7; ++m) Fire(g, i, m, 4);
  }
  CountLife(e);
}

// The swayer.
void Type101(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (EnterOrLeave(g, e, 100, true)) return;
  SwayStep(e, 200, e.VAL[0]);
  e.X += e.DX;
  if (ShotTimer(e)) {
    e.CNT[kShotSpeed] = RandomRange(g, 5, 15);
    Fire(g, i, 30, 5, kSoundNeedle);
  }
  CountLife(e);
}

// The bobber: a short stream in the middle of each 81-frame cycle.
void Type102(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (e.CNT[kPhase] == 0) {
    e.Y += e.DY;
    if (e.Y > 40) {
      e.Y = 40, e.CNT[kPhase] = 1;
      // Turns away from the ship's side, as it always has.
      e.DX = g.player.PX + 16 >= e.X + 16 ? -1 : 1;
    }
    return;
  }
  if (EnterOrLeave(g, e, 40, true)) return;
  double phase = e.VAL[kCurvePhase], next = phase + e.VAL[0];
  e.DY = RoundHalfEven(100 * (std::cos(next) - std::cos(phase)));
  e.VAL[kCurvePhase] = next;
  e.Y += e.DY;
  e.X += e.CNT[5] * e.DX;
  Bounce(e, 0, 420);
  ++e.CNT[3];
  if (e.CNT[3] >= 21 && e.CNT[3] <= 79 && ShotTimer(e)) Fire(g, i, 18, 0, kSoundCannon);
  if (e.CNT[3] > 80) e.CNT[3] = 0;
  CountLife(e);
}

// The teleporter: appears, fires on the four diagonals, vanishes and comes back elsewhere.
void Type103(Game &g, int i) {
  Enemy &e = Slot(g, i);
  Type103Phase(g, i, e);
  if (e.CNT[7] > 0) --e.CNT[7];
}

// A destroyed boss explodes every second frame for a hundred frames; its parts wait silently.
void Dying(Game &g, int i) {
  Enemy &e = Slot(g, i);
  ++e.CNT[kPhase], ++e.CNT[1];
  if (e.MODE != kDyingPart && e.CNT[1] > 1) {
    e.CNT[1] = 0;
    PlaySound(g, e.CNT[kBlastSound]);
    SpawnEffect(g, i, kEffectScatteredBlast);
  }
  if (e.CNT[kPhase] <= 100) return;
  e.FLAG = 0;
  if (IsBossWreck(e.CNT[kFormerMode])) g.player.PSTAT[kStatStageFlow] = 0;
}

}  // namespace behave

void EllipseStep(Enemy &e, double a, double b, double step) {
  double phase = e.VAL[kCurvePhase], next = phase + step;
  e.DX = RoundHalfEven(a * (std::cos(next) - std::cos(phase)));
  e.DY = RoundHalfEven(b * (std::sin(next) - std::sin(phase)));
  e.VAL[kCurvePhase] = next;
}

void SwayStep(Enemy &e, double a, double step) {
  double phase = e.VAL[kCurvePhase], next = phase + step;
  e.DX = RoundHalfEven(a * (std::sin(next) - std::sin(phase)));
  e.VAL[kCurvePhase] = next;
}

}  // namespace qel
